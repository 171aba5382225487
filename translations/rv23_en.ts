<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
    <context>
        <name></name>
        <message id="app.basic">
            <location filename="../framework/widget.cpp"/>
            <source></source>
            <translation>Basic view</translation>
        </message>
        <message id="app.cfg.savingtodevice">
            <location filename="../module/orchestration.cpp"/>
            <source>Saving the configuration to the unit...</source>
            <translation>Saving the configuration to the unit...</translation>
        </message>
        <message id="app.critical">
            <location filename="../module/messages.cpp"/>
            <source>Error</source>
            <translation>Error</translation>
        </message>
        <message id="app.discard">
            <location filename="../framework/widget.cpp"/>
            <location filename="../framework/widget.ui"/>
            <source>Discard</source>
            <translation>Discard</translation>
        </message>
        <message id="app.extended">
            <location filename="../framework/widget.cpp"/>
            <location filename="../framework/widget.ui"/>
            <source>Extended view</source>
            <translation>Extended view</translation>
        </message>
        <message id="app.extended.tooltip">
            <location filename="../framework/widget.cpp"/>
            <location filename="../framework/widget.ui"/>
            <source>Switches between basic and extended view</source>
            <translation>Switches between the basic and the extended view</translation>
        </message>
        <message id="app.no">
            <location filename="../framework/spinboxdelegate.cpp"/>
            <source></source>
            <translatorcomment>Shown in the count column of the relay phone tables for 0, which means no limit.</translatorcomment>
            <translation>No limit</translation>
        </message>
        <message id="app.rv-23.topitem.events">
            <location filename="../resources/RV23.json"/>
            <source>Události</source>
            <translation>Events</translation>
        </message>
        <message id="app.rv-23.topitem.events.dates">
            <location filename="../resources/RV23.json"/>
            <source>Datum</source>
            <translation>Date</translation>
        </message>
        <message id="app.rv-23.topitem.events.events">
            <location filename="../resources/RV23.json"/>
            <source>Událost</source>
            <translation>Event</translation>
        </message>
        <message id="app.rv-23.topitem.events.label">
            <location filename="../resources/RV23.json"/>
            <source>Události</source>
            <translation>Events</translation>
        </message>
        <message id="app.rv-23.topitem.events.sources">
            <location filename="../resources/RV23.json"/>
            <source>Zdroj</source>
            <translation>Source</translation>
        </message>
        <message id="app.rv-23.topitem.events.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Historie událostí uložená v zařízení: aktivace vstupů, sepnutí relé, výpadky napájení a GSM.</source>
            <translation>Event history stored in the unit: input activations, relay switching, power and GSM failures.</translation>
        </message>
        <message id="app.rv-23.topitem.informations">
            <location filename="../resources/RV23.json"/>
            <source>Informace</source>
            <translation>Information</translation>
        </message>
        <message id="app.rv-23.topitem.informations.keys">
            <location filename="../resources/RV23.json"/>
            <source>Položka</source>
            <translation>Item</translation>
        </message>
        <message id="app.rv-23.topitem.informations.keys.behavversion">
            <location filename="../resources/RV23.json"/>
            <source>Verze chování</source>
            <translation>Behaviour version</translation>
        </message>
        <message id="app.rv-23.topitem.informations.keys.firmware">
            <location filename="../resources/RV23.json"/>
            <source>Verze firmware</source>
            <translation>Firmware version</translation>
        </message>
        <message id="app.rv-23.topitem.informations.keys.imei">
            <location filename="../resources/RV23.json"/>
            <source>IMEI</source>
            <translation>IMEI</translation>
        </message>
        <message id="app.rv-23.topitem.informations.keys.operator">
            <location filename="../resources/RV23.json"/>
            <source>Operátor</source>
            <translation>Operator</translation>
        </message>
        <message id="app.rv-23.topitem.informations.keys.ownphonenumber">
            <location filename="../resources/RV23.json"/>
            <source>Vlastní číslo</source>
            <translation>Own number</translation>
        </message>
        <message id="app.rv-23.topitem.informations.keys.ownphonenumber.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Telefonní číslo SIM karty vložené v zařízení.</source>
            <translation>Phone number of the SIM card inserted in the unit.</translation>
        </message>
        <message id="app.rv-23.topitem.informations.keys.rssi">
            <location filename="../resources/RV23.json"/>
            <source>GSM signál</source>
            <translation>GSM signal</translation>
        </message>
        <message id="app.rv-23.topitem.informations.keys.rssi.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Síla GSM signálu</source>
            <translation>GSM signal strength</translation>
        </message>
        <message id="app.rv-23.topitem.informations.keys.serial">
            <location filename="../resources/RV23.json"/>
            <source>Sériové číslo</source>
            <translation>Serial number</translation>
        </message>
        <message id="app.rv-23.topitem.informations.keys.voltage">
            <location filename="../resources/RV23.json"/>
            <source>Napětí</source>
            <translation>Voltage</translation>
        </message>
        <message id="app.rv-23.topitem.informations.label">
            <location filename="../resources/RV23.json"/>
            <source>Informace</source>
            <translation>Information</translation>
        </message>
        <message id="app.rv-23.topitem.informations.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Údaje o připojeném zařízení. Operátor, síla signálu a napájecí napětí se zobrazují v rozšířeném zobrazení.</source>
            <translation>Data of the connected unit. Operator, signal strength and supply voltage are shown in the extended view.</translation>
        </message>
        <message id="app.rv-23.topitem.informations.values">
            <location filename="../resources/RV23.json"/>
            <source>Hodnota</source>
            <translation>Value</translation>
        </message>
        <message id="app.rv-23.topitem.inputs">
            <location filename="../resources/RV23.json"/>
            <source>Vstupy</source>
            <translation>Inputs</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputa">
            <location filename="../resources/RV23.json"/>
            <source>Vstup A</source>
            <translation>Input A</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputa.cbcalla.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Po odeslání SMS o změně vstupu A zařízení na stejná čísla také zavolá.</source>
            <translation>After the SMS about a change of input A, the unit also calls the same numbers.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputa.lesmsoffa.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Text SMS, kterou zařízení pošle při deaktivaci vstupu A (vstup odpojen od země). Nejvýše 30 znaků bez čárek a teček; na velikosti písmen nezáleží, diakritiku raději nepoužívejte. Prázdný text hlášení deaktivace vypne.</source>
            <translation>SMS text the unit sends when input A is deactivated (disconnected from ground). At most 30 characters without commas or full stops; case does not matter; better avoid diacritics. An empty text turns the deactivation report off.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputa.lesmsona.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Text SMS, kterou zařízení pošle při aktivaci vstupu A (vstup spojen se zemí). Nejvýše 30 znaků bez čárek a teček; na velikosti písmen nezáleží, diakritiku raději nepoužívejte. Prázdný text hlášení aktivace vypne.</source>
            <translation>SMS text the unit sends when input A is activated (connected to ground). At most 30 characters without commas or full stops; case does not matter; better avoid diacritics. An empty text turns the activation report off.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputa.lestava.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Okamžitý stav vstupu A hlášený připojeným zařízením.</source>
            <translation>Current state of input A as reported by the connected unit.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputa.taphones.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Až 8 telefonních čísel, na která se hlásí aktivace a deaktivace vstupu A. Prázdné řádky se vynechají.</source>
            <translation>Up to 8 phone numbers to which activation and deactivation of input A are reported. Empty rows are skipped.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputa.taphones.valuecolumn">
            <location filename="../resources/RV23.json"/>
            <source>Tel. číslo</source>
            <translation>Phone no.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputa.taphones.valuecolumn.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Telefonní číslo, nejvýše 20 znaků. Doporučujeme mezinárodní formát, např. +420603123456.</source>
            <translation>Phone number, at most 20 characters. The international format is recommended, e.g. +420603123456.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputa.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Vstup A je aktivní, když je jeho svorka spojena se zemí (GND).</source>
            <translation>Input A is active when its terminal is connected to ground (GND).</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputb">
            <location filename="../resources/RV23.json"/>
            <source>Vstup B</source>
            <translation>Input B</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputb.cbcallb.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Po odeslání SMS o změně vstupu B zařízení na stejná čísla také zavolá.</source>
            <translation>After the SMS about a change of input B, the unit also calls the same numbers.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputb.lesmsoffb.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Text SMS, kterou zařízení pošle při deaktivaci vstupu B (vstup odpojen od země). Nejvýše 30 znaků bez čárek a teček; na velikosti písmen nezáleží, diakritiku raději nepoužívejte. Prázdný text hlášení deaktivace vypne.</source>
            <translation>SMS text the unit sends when input B is deactivated (disconnected from ground). At most 30 characters without commas or full stops; case does not matter; better avoid diacritics. An empty text turns the deactivation report off.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputb.lesmsonb.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Text SMS, kterou zařízení pošle při aktivaci vstupu B (vstup spojen se zemí). Nejvýše 30 znaků bez čárek a teček; na velikosti písmen nezáleží, diakritiku raději nepoužívejte. Prázdný text hlášení aktivace vypne.</source>
            <translation>SMS text the unit sends when input B is activated (connected to ground). At most 30 characters without commas or full stops; case does not matter; better avoid diacritics. An empty text turns the activation report off.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputb.lestavb.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Okamžitý stav vstupu B hlášený připojeným zařízením.</source>
            <translation>Current state of input B as reported by the connected unit.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputb.tbphones.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Až 8 telefonních čísel, na která se hlásí aktivace a deaktivace vstupu B. Prázdné řádky se vynechají.</source>
            <translation>Up to 8 phone numbers to which activation and deactivation of input B are reported. Empty rows are skipped.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputb.tbphones.valuecolumn">
            <location filename="../resources/RV23.json"/>
            <source>Tel. číslo</source>
            <translation>Phone no.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputb.tbphones.valuecolumn.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Telefonní číslo, nejvýše 20 znaků. Doporučujeme mezinárodní formát, např. +420603123456.</source>
            <translation>Phone number, at most 20 characters. The international format is recommended, e.g. +420603123456.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputb.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Vstup B je aktivní, když je jeho svorka spojena se zemí (GND).</source>
            <translation>Input B is active when its terminal is connected to ground (GND).</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputc">
            <location filename="../resources/RV23.json"/>
            <source>Vstup C</source>
            <translation>Input C</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputc.cbcallc.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Po odeslání SMS o změně vstupu C zařízení na stejná čísla také zavolá.</source>
            <translation>After the SMS about a change of input C, the unit also calls the same numbers.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputc.lesmsoffc.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Text SMS, kterou zařízení pošle při deaktivaci vstupu C (vstup odpojen od země). Nejvýše 30 znaků bez čárek a teček; na velikosti písmen nezáleží, diakritiku raději nepoužívejte. Prázdný text hlášení deaktivace vypne.</source>
            <translation>SMS text the unit sends when input C is deactivated (disconnected from ground). At most 30 characters without commas or full stops; case does not matter; better avoid diacritics. An empty text turns the deactivation report off.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputc.lesmsonc.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Text SMS, kterou zařízení pošle při aktivaci vstupu C (vstup spojen se zemí). Nejvýše 30 znaků bez čárek a teček; na velikosti písmen nezáleží, diakritiku raději nepoužívejte. Prázdný text hlášení aktivace vypne.</source>
            <translation>SMS text the unit sends when input C is activated (connected to ground). At most 30 characters without commas or full stops; case does not matter; better avoid diacritics. An empty text turns the activation report off.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputc.lestavc.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Okamžitý stav vstupu C hlášený připojeným zařízením.</source>
            <translation>Current state of input C as reported by the connected unit.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputc.tcphones.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Až 8 telefonních čísel, na která se hlásí aktivace a deaktivace vstupu C. Prázdné řádky se vynechají.</source>
            <translation>Up to 8 phone numbers to which activation and deactivation of input C are reported. Empty rows are skipped.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputc.tcphones.valuecolumn">
            <location filename="../resources/RV23.json"/>
            <source>Tel. číslo</source>
            <translation>Phone no.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputc.tcphones.valuecolumn.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Telefonní číslo, nejvýše 20 znaků. Doporučujeme mezinárodní formát, např. +420603123456.</source>
            <translation>Phone number, at most 20 characters. The international format is recommended, e.g. +420603123456.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputc.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Vstup C je aktivní, když je jeho svorka spojena se zemí (GND).</source>
            <translation>Input C is active when its terminal is connected to ground (GND).</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputd">
            <location filename="../resources/RV23.json"/>
            <source>Vstup D</source>
            <translation>Input D</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputd.cbcalld.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Po odeslání SMS o změně vstupu D zařízení na stejná čísla také zavolá.</source>
            <translation>After the SMS about a change of input D, the unit also calls the same numbers.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputd.lesmsoffd.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Text SMS, kterou zařízení pošle při deaktivaci vstupu D (vstup odpojen od země). Nejvýše 30 znaků bez čárek a teček; na velikosti písmen nezáleží, diakritiku raději nepoužívejte. Prázdný text hlášení deaktivace vypne.</source>
            <translation>SMS text the unit sends when input D is deactivated (disconnected from ground). At most 30 characters without commas or full stops; case does not matter; better avoid diacritics. An empty text turns the deactivation report off.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputd.lesmsond.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Text SMS, kterou zařízení pošle při aktivaci vstupu D (vstup spojen se zemí). Nejvýše 30 znaků bez čárek a teček; na velikosti písmen nezáleží, diakritiku raději nepoužívejte. Prázdný text hlášení aktivace vypne.</source>
            <translation>SMS text the unit sends when input D is activated (connected to ground). At most 30 characters without commas or full stops; case does not matter; better avoid diacritics. An empty text turns the activation report off.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputd.lestavd.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Okamžitý stav vstupu D hlášený připojeným zařízením.</source>
            <translation>Current state of input D as reported by the connected unit.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputd.tdphones.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Až 8 telefonních čísel, na která se hlásí aktivace a deaktivace vstupu D. Prázdné řádky se vynechají.</source>
            <translation>Up to 8 phone numbers to which activation and deactivation of input D are reported. Empty rows are skipped.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputd.tdphones.valuecolumn">
            <location filename="../resources/RV23.json"/>
            <source>Tel. číslo</source>
            <translation>Phone no.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputd.tdphones.valuecolumn.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Telefonní číslo, nejvýše 20 znaků. Doporučujeme mezinárodní formát, např. +420603123456.</source>
            <translation>Phone number, at most 20 characters. The international format is recommended, e.g. +420603123456.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputd.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Vstup D je aktivní, když je jeho svorka spojena se zemí (GND).</source>
            <translation>Input D is active when its terminal is connected to ground (GND).</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputtexts">
            <location filename="../resources/RV23.json"/>
            <source>Popis</source>
            <translation>Description</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputtexts.lcall">
            <location filename="../resources/RV23.json"/>
            <source>Zavolat při aktivaci/deaktivaci vstupu</source>
            <translation>Call on activation/deactivation</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputtexts.linputphones">
            <location filename="../resources/RV23.json"/>
            <source>Telefonní čísla, na která se má hlásit aktivace či deaktivace vstupu</source>
            <translation>Phone numbers to which activation or deactivation is reported</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputtexts.lsmsoff">
            <location filename="../resources/RV23.json"/>
            <source>Text SMS, kterým se hlásí deaktivace</source>
            <translation>SMS text reporting deactivation</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputtexts.lsmson">
            <location filename="../resources/RV23.json"/>
            <source>Text SMS, kterým se hlásí aktivace</source>
            <translation>SMS text reporting activation</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputtexts.lstav">
            <location filename="../resources/RV23.json"/>
            <source>Stav</source>
            <translation>State</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.label">
            <location filename="../resources/RV23.json"/>
            <source>Vstupy</source>
            <translation>Inputs</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Hlášení ze vstupů A až D: texty SMS při aktivaci a deaktivaci vstupu, zavolání a telefonní čísla, na která se hlásí.</source>
            <translation>Reports of inputs A to D: SMS texts on activation and deactivation, call, and the phone numbers to report to.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs">
            <location filename="../resources/RV23.json"/>
            <source>Výstupy</source>
            <translation>Outputs</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputtexts">
            <location filename="../resources/RV23.json"/>
            <source>Popis</source>
            <translation>Description</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputtexts.ldelay">
            <location filename="../resources/RV23.json"/>
            <source>Doba sepnutí relé</source>
            <translation>Relay on-time</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputtexts.ldtmfoff">
            <location filename="../resources/RV23.json"/>
            <source>DTMF pro vypnutí relé</source>
            <translation>DTMF to switch the relay off</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputtexts.ldtmfon">
            <location filename="../resources/RV23.json"/>
            <source>DTMF pro zapnutí relé</source>
            <translation>DTMF to switch the relay on</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputtexts.loutputphones">
            <location filename="../resources/RV23.json"/>
            <source>Telefonní čísla oprávněná k ovládání výstupu prozvoněním</source>
            <translation>Phone numbers allowed to switch the output by ringing</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputtexts.lsmsoff">
            <location filename="../resources/RV23.json"/>
            <source>Text SMS, která vypne relé</source>
            <translation>SMS text that switches the relay off</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputtexts.lsmson">
            <location filename="../resources/RV23.json"/>
            <source>Text SMS, která zapne relé</source>
            <translation>SMS text that switches the relay on</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputtexts.lstav">
            <location filename="../resources/RV23.json"/>
            <source>Stav</source>
            <translation>State</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputx">
            <location filename="../resources/RV23.json"/>
            <source>Výstup X</source>
            <translation>Output X</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputx.cboutputxon.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Relé X zůstane po zapnutí sepnuté, dokud nepřijde příkaz k vypnutí.</source>
            <translation>Relay X stays on after switching on until a command switches it off.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputx.ledtmfoffx.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Kód DTMF (nejvýše 8 číslic), který během hovoru vypne relé X. Vyžaduje modul DTMF.</source>
            <translation>DTMF code (at most 8 digits) that switches relay X off during a call. Requires the DTMF module.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputx.ledtmfonx.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Kód DTMF (nejvýše 8 číslic), který během hovoru zapne relé X. Vyžaduje modul DTMF.</source>
            <translation>DTMF code (at most 8 digits) that switches relay X on during a call. Requires the DTMF module.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputx.lesmsoffx.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Text SMS, která vypne relé X. Nejvýše 30 znaků bez čárek a teček; na velikosti písmen nezáleží, diakritiku raději nepoužívejte. Prázdný text vypínání SMS zakáže.</source>
            <translation>SMS text that switches relay X off. At most 30 characters without commas or full stops; case does not matter; better avoid diacritics. An empty text disables switching off by SMS.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputx.lesmsonx.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Text SMS, která zapne relé X. Nejvýše 30 znaků bez čárek a teček; na velikosti písmen nezáleží, diakritiku raději nepoužívejte. Prázdný text zapínání SMS zakáže.</source>
            <translation>SMS text that switches relay X on. At most 30 characters without commas or full stops; case does not matter; better avoid diacritics. An empty text disables switching on by SMS.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputx.lestavx.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Okamžitý stav relé X hlášený připojeným zařízením.</source>
            <translation>Current state of relay X as reported by the connected unit.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputx.pbinoutx">
            <location filename="../resources/RV23.json"/>
            <source>In/Out X</source>
            <translation>In/Out X</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputx.pbinoutx.label">
            <location filename="../resources/RV23.json"/>
            <source>Test</source>
            <translation>Test</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputx.pbinoutx.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Přepne relé X do opačného stavu a ověří tak funkci výstupu. Dostupné jen s připojeným zařízením.</source>
            <translation>Switches relay X to the opposite state to test the output. Available only with a connected unit.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputx.tedelayx.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Jak dlouho zůstane relé X po zapnutí sepnuté (nejvýše 10 hodin), ve tvaru hodiny:minuty:sekundy. Při trvalém sepnutí se nepoužije.</source>
            <translation>How long relay X stays on after switching on (at most 10 hours), as hours:minutes:seconds. Not used when the relay is permanently on.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputx.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Ovládání reléového výstupu X.</source>
            <translation>Control of relay output X.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputx.txphones.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Až 50 telefonních čísel, která smějí relé X ovládat prozvoněním. Počet omezuje, kolikrát smí číslo relé ovládat.</source>
            <translation>Up to 50 phone numbers allowed to switch relay X by ringing. The count limits how many times a number may switch the relay.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputx.txphones.valuecolumn">
            <location filename="../resources/RV23.json"/>
            <source>Tel. číslo</source>
            <translation>Phone no.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputx.txphones.valuecolumn.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Telefonní číslo, nejvýše 20 znaků. Doporučujeme mezinárodní formát, např. +420603123456.</source>
            <translation>Phone number, at most 20 characters. The international format is recommended, e.g. +420603123456.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputx.txphones.valuecolumn2">
            <location filename="../resources/RV23.json"/>
            <source>Počet</source>
            <translation>Count</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputx.txphones.valuecolumn2.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Kolikrát smí číslo relé ovládat (1 až 99); 0 znamená bez omezení.</source>
            <translation>How many times the number may switch the relay (1 to 99); 0 means no limit.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputy">
            <location filename="../resources/RV23.json"/>
            <source>Výstup Y</source>
            <translation>Output Y</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputy.cboutputyon.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Relé Y zůstane po zapnutí sepnuté, dokud nepřijde příkaz k vypnutí.</source>
            <translation>Relay Y stays on after switching on until a command switches it off.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputy.ledtmfoffy.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Kód DTMF (nejvýše 8 číslic), který během hovoru vypne relé Y. Vyžaduje modul DTMF.</source>
            <translation>DTMF code (at most 8 digits) that switches relay Y off during a call. Requires the DTMF module.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputy.ledtmfony.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Kód DTMF (nejvýše 8 číslic), který během hovoru zapne relé Y. Vyžaduje modul DTMF.</source>
            <translation>DTMF code (at most 8 digits) that switches relay Y on during a call. Requires the DTMF module.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputy.lesmsoffy.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Text SMS, která vypne relé Y. Nejvýše 30 znaků bez čárek a teček; na velikosti písmen nezáleží, diakritiku raději nepoužívejte. Prázdný text vypínání SMS zakáže.</source>
            <translation>SMS text that switches relay Y off. At most 30 characters without commas or full stops; case does not matter; better avoid diacritics. An empty text disables switching off by SMS.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputy.lesmsony.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Text SMS, která zapne relé Y. Nejvýše 30 znaků bez čárek a teček; na velikosti písmen nezáleží, diakritiku raději nepoužívejte. Prázdný text zapínání SMS zakáže.</source>
            <translation>SMS text that switches relay Y on. At most 30 characters without commas or full stops; case does not matter; better avoid diacritics. An empty text disables switching on by SMS.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputy.lestavy.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Okamžitý stav relé Y hlášený připojeným zařízením.</source>
            <translation>Current state of relay Y as reported by the connected unit.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputy.pbinouty">
            <location filename="../resources/RV23.json"/>
            <source>In/Out Y</source>
            <translation>In/Out Y</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputy.pbinouty.label">
            <location filename="../resources/RV23.json"/>
            <source>Test</source>
            <translation>Test</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputy.pbinouty.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Přepne relé Y do opačného stavu a ověří tak funkci výstupu. Dostupné jen s připojeným zařízením.</source>
            <translation>Switches relay Y to the opposite state to test the output. Available only with a connected unit.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputy.tedelayy.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Jak dlouho zůstane relé Y po zapnutí sepnuté (nejvýše 10 hodin), ve tvaru hodiny:minuty:sekundy. Při trvalém sepnutí se nepoužije.</source>
            <translation>How long relay Y stays on after switching on (at most 10 hours), as hours:minutes:seconds. Not used when the relay is permanently on.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputy.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Ovládání reléového výstupu Y.</source>
            <translation>Control of relay output Y.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputy.typhones.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Až 50 telefonních čísel, která smějí relé Y ovládat prozvoněním. Počet omezuje, kolikrát smí číslo relé ovládat.</source>
            <translation>Up to 50 phone numbers allowed to switch relay Y by ringing. The count limits how many times a number may switch the relay.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputy.typhones.valuecolumn">
            <location filename="../resources/RV23.json"/>
            <source>Tel. číslo</source>
            <translation>Phone no.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputy.typhones.valuecolumn.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Telefonní číslo, nejvýše 20 znaků. Doporučujeme mezinárodní formát, např. +420603123456.</source>
            <translation>Phone number, at most 20 characters. The international format is recommended, e.g. +420603123456.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputy.typhones.valuecolumn2">
            <location filename="../resources/RV23.json"/>
            <source>Počet</source>
            <translation>Count</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputy.typhones.valuecolumn2.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Kolikrát smí číslo relé ovládat (1 až 99); 0 znamená bez omezení.</source>
            <translation>How many times the number may switch the relay (1 to 99); 0 means no limit.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.label">
            <location filename="../resources/RV23.json"/>
            <source>Výstupy</source>
            <translation>Outputs</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Reléové výstupy X a Y: texty SMS a kódy DTMF pro zapnutí a vypnutí, doba sepnutí a telefonní čísla oprávněná k ovládání prozvoněním.</source>
            <translation>Relay outputs X and Y: SMS texts and DTMF codes for switching on and off, on-time, and the phone numbers allowed to switch them by ringing.</translation>
        </message>
        <message id="app.rv-23.topitem.settings">
            <location filename="../resources/RV23.json"/>
            <source>Nastavení</source>
            <translation>Settings</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbcredit">
            <location filename="../resources/RV23.json"/>
            <source>Hlídání kreditu SIM</source>
            <translation>SIM credit supervision</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbcredit.lcreditactivated">
            <location filename="../resources/RV23.json"/>
            <source>Aktivováno</source>
            <translation>Activated</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbcredit.lcreditactivated.cbcreditactivated.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Zapne automatickou kontrolu zůstatku kreditu.</source>
            <translation>Turns the automatic credit check on.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbcredit.lcreditcommand">
            <location filename="../resources/RV23.json"/>
            <source>USSD příkaz</source>
            <translation>USSD command</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbcredit.lcreditcommand.lecreditcommand.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>USSD kód, kterým se operátora ptá na zůstatek, např. *101#.</source>
            <translation>USSD code that asks the operator for the balance, e.g. *101#.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbcredit.lcreditlowlimit">
            <location filename="../resources/RV23.json"/>
            <source>Minimální zůstatek</source>
            <translation>Minimum balance</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbcredit.lcreditlowlimit.sbcreditlowlimit.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Při zůstatku pod touto částkou (1 až 999) zařízení pošle hlášení na servisní čísla.</source>
            <translation>When the balance falls below this amount (1 to 999), the unit sends a report to the service numbers.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbcredit.lcreditperioda">
            <location filename="../resources/RV23.json"/>
            <source>Perioda kontroly ve dnech</source>
            <translation>Check period in days</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbcredit.lcreditperioda.lecreditdd.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Po kolika dnech (1 až 99) zařízení zůstatek kontroluje.</source>
            <translation>Every how many days (1 to 99) the unit checks the balance.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbcredit.lcreditposition">
            <location filename="../resources/RV23.json"/>
            <source>Pozice první cifry zůstatku ve zprávě</source>
            <translation>Position of the first balance digit in the message</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbcredit.lcreditposition.sbcreditposition.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Na kolikátém znaku odpovědi operátora začíná částka zůstatku (1 až 99).</source>
            <translation>At which character of the operator's answer the balance amount starts (1 to 99).</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbcredit.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Zjišťování zůstatku předplacené SIM karty. Když je vyplněn jen USSD příkaz, lze zůstatek zjistit SMS příkazem „CRD“. Když jsou vyplněna všechna pole, zařízení zůstatek kontroluje samo a nízký kredit hlásí na servisní čísla.</source>
            <translation>Checking the balance of a prepaid SIM card. With only the USSD command filled in, the balance can be asked for by the SMS command &quot;CRD&quot;. With all fields filled in, the unit checks the balance itself and reports a low credit to the service numbers.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes">
            <location filename="../resources/RV23.json"/>
            <source>Kódy periférií</source>
            <translation>Peripheral codes</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes.lina">
            <location filename="../resources/RV23.json"/>
            <source>Vstup A</source>
            <translation>Input A</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes.lina.leina.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Periférie přiřazená ke vstupu A. Učicí kód bezdrátové periférie: 14 číslic, začíná 110000. Prázdné pole periférii odebere.</source>
            <translation>Peripheral assigned to input A. Learning code of the wireless peripheral: 14 digits starting with 110000. An empty field removes the peripheral.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes.linb">
            <location filename="../resources/RV23.json"/>
            <source>Vstup B</source>
            <translation>Input B</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes.linb.leinb.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Periférie přiřazená ke vstupu B. Učicí kód bezdrátové periférie: 14 číslic, začíná 110000. Prázdné pole periférii odebere.</source>
            <translation>Peripheral assigned to input B. Learning code of the wireless peripheral: 14 digits starting with 110000. An empty field removes the peripheral.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes.linc">
            <location filename="../resources/RV23.json"/>
            <source>Vstup C</source>
            <translation>Input C</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes.linc.leinc.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Periférie přiřazená ke vstupu C. Učicí kód bezdrátové periférie: 14 číslic, začíná 110000. Prázdné pole periférii odebere.</source>
            <translation>Peripheral assigned to input C. Learning code of the wireless peripheral: 14 digits starting with 110000. An empty field removes the peripheral.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes.lind">
            <location filename="../resources/RV23.json"/>
            <source>Vstup D</source>
            <translation>Input D</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes.lind.leind.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Periférie přiřazená ke vstupu D. Učicí kód bezdrátové periférie: 14 číslic, začíná 110000. Prázdné pole periférii odebere.</source>
            <translation>Peripheral assigned to input D. Learning code of the wireless peripheral: 14 digits starting with 110000. An empty field removes the peripheral.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes.loutx">
            <location filename="../resources/RV23.json"/>
            <source>Výstup X</source>
            <translation>Output X</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes.loutx.leoutx1.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Periférie 1 ovládající výstup X (nejvýše čtyři). Učicí kód bezdrátové periférie: 14 číslic, začíná 110000. Prázdné pole periférii odebere.</source>
            <translation>Peripheral 1 controlling output X (at most four). Learning code of the wireless peripheral: 14 digits starting with 110000. An empty field removes the peripheral.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes.loutx.leoutx2.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Periférie 2 ovládající výstup X (nejvýše čtyři). Učicí kód bezdrátové periférie: 14 číslic, začíná 110000. Prázdné pole periférii odebere.</source>
            <translation>Peripheral 2 controlling output X (at most four). Learning code of the wireless peripheral: 14 digits starting with 110000. An empty field removes the peripheral.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes.loutx.leoutx3.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Periférie 3 ovládající výstup X (nejvýše čtyři). Učicí kód bezdrátové periférie: 14 číslic, začíná 110000. Prázdné pole periférii odebere.</source>
            <translation>Peripheral 3 controlling output X (at most four). Learning code of the wireless peripheral: 14 digits starting with 110000. An empty field removes the peripheral.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes.loutx.leoutx4.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Periférie 4 ovládající výstup X (nejvýše čtyři). Učicí kód bezdrátové periférie: 14 číslic, začíná 110000. Prázdné pole periférii odebere.</source>
            <translation>Peripheral 4 controlling output X (at most four). Learning code of the wireless peripheral: 14 digits starting with 110000. An empty field removes the peripheral.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes.louty">
            <location filename="../resources/RV23.json"/>
            <source>Výstup Y</source>
            <translation>Output Y</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes.louty.leouty1.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Periférie 1 ovládající výstup Y (nejvýše čtyři). Učicí kód bezdrátové periférie: 14 číslic, začíná 110000. Prázdné pole periférii odebere.</source>
            <translation>Peripheral 1 controlling output Y (at most four). Learning code of the wireless peripheral: 14 digits starting with 110000. An empty field removes the peripheral.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes.louty.leouty2.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Periférie 2 ovládající výstup Y (nejvýše čtyři). Učicí kód bezdrátové periférie: 14 číslic, začíná 110000. Prázdné pole periférii odebere.</source>
            <translation>Peripheral 2 controlling output Y (at most four). Learning code of the wireless peripheral: 14 digits starting with 110000. An empty field removes the peripheral.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes.louty.leouty3.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Periférie 3 ovládající výstup Y (nejvýše čtyři). Učicí kód bezdrátové periférie: 14 číslic, začíná 110000. Prázdné pole periférii odebere.</source>
            <translation>Peripheral 3 controlling output Y (at most four). Learning code of the wireless peripheral: 14 digits starting with 110000. An empty field removes the peripheral.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes.louty.leouty4.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Periférie 4 ovládající výstup Y (nejvýše čtyři). Učicí kód bezdrátové periférie: 14 číslic, začíná 110000. Prázdné pole periférii odebere.</source>
            <translation>Peripheral 4 controlling output Y (at most four). Learning code of the wireless peripheral: 14 digits starting with 110000. An empty field removes the peripheral.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Bezdrátové periférie přiřazené ke vstupům a výstupům.</source>
            <translation>Wireless peripherals assigned to the inputs and outputs.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsimcard">
            <location filename="../resources/RV23.json"/>
            <source>SIM karta</source>
            <translation>SIM card</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsimcard.lpin">
            <location filename="../resources/RV23.json"/>
            <source>Programovací kód</source>
            <translation>Programming code</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsimcard.lpin.lepin.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Kód, kterým musí začínat každá programovací SMS (nejvýše 8 znaků).</source>
            <translation>Code every programming SMS must start with (at most 8 characters).</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsimcard.lservicenumber">
            <location filename="../resources/RV23.json"/>
            <source>Servisní tel. číslo 1</source>
            <translation>Service phone no. 1</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsimcard.lservicenumber.leservicenumber.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>První servisní telefonní číslo. Na servisní čísla zařízení hlásí poruchy („POWER START“ po obnovení napájení, „GSM START“ po restartu GSM) a nízký kredit. Jen číslice s případným + na začátku.</source>
            <translation>First service phone number. The unit reports faults (&quot;POWER START&quot; after power returns, &quot;GSM START&quot; after a GSM restart) and a low credit to the service numbers. Digits only, optionally with a leading +.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsimcard.lservicenumber2">
            <location filename="../resources/RV23.json"/>
            <source>Servisní tel. číslo 2</source>
            <translation>Service phone no. 2</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsimcard.lservicenumber2.leservicenumber2.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Druhé servisní telefonní číslo. Na servisní čísla zařízení hlásí poruchy („POWER START“ po obnovení napájení, „GSM START“ po restartu GSM) a nízký kredit. Jen číslice s případným + na začátku.</source>
            <translation>Second service phone number. The unit reports faults (&quot;POWER START&quot; after power returns, &quot;GSM START&quot; after a GSM restart) and a low credit to the service numbers. Digits only, optionally with a leading +.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsimcard.ltextstatussms">
            <location filename="../resources/RV23.json"/>
            <source>Text SMS pro zjištění stavu</source>
            <translation>SMS text for a status query</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsimcard.ltextstatussms.letextstatussms.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Na SMS s tímto textem zařízení odpoví svým stavem, např. „A1, B0, C0, D1, X0, Y1, GSM 8“ (vstupy, výstupy a síla signálu). Nejvýše 30 znaků bez čárek a teček; na velikosti písmen nezáleží, diakritiku raději nepoužívejte.</source>
            <translation>To an SMS with this text the unit answers with its status, e.g. &quot;A1, B0, C0, D1, X0, Y1, GSM 8&quot; (inputs, outputs and signal strength). At most 30 characters without commas or full stops; case does not matter; better avoid diacritics.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsimcard.pbresetgsm">
            <location filename="../resources/RV23.json"/>
            <source>Reset GSM</source>
            <translation>Reset GSM</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsimcard.pbresetgsm.label">
            <location filename="../resources/RV23.json"/>
            <source>Resetovat GSM</source>
            <translation>Reset GSM</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsimcard.pbresetgsm.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Restartuje GSM modul zařízení. Dostupné jen s připojeným zařízením.</source>
            <translation>Restarts the unit's GSM module. Available only with a connected unit.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsimcard.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Nastavení práce se SIM kartou a servisní čísla.</source>
            <translation>SIM card settings and service numbers.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsmsreport">
            <location filename="../resources/RV23.json"/>
            <source>Servisní SMS hlášení</source>
            <translation>Service SMS reports</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsmsreport.l24hcheckcall">
            <location filename="../resources/RV23.json"/>
            <source>Kontrolní zavolání servisního čísla každých 24h</source>
            <translation>Check call to the service number every 24 h</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsmsreport.l24hcheckcall.cb24hcheckcall.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Jednou za 24 hodin zařízení prozvoní servisní číslo na důkaz, že pracuje.</source>
            <translation>Once every 24 hours the unit rings the service number to show that it works.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsmsreport.lbypasswirelessdevice">
            <location filename="../resources/RV23.json"/>
            <source>Blokování přiřazeného bezdrátového prvku</source>
            <translation>Blocking of the assigned wireless device</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsmsreport.lbypasswirelessdevice.cblbypasswirelessdevice.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Aktivní svorka vstupu zablokuje bezdrátovou periférii přiřazenou k tomuto vstupu.</source>
            <translation>An active input terminal blocks the wireless peripheral assigned to that input.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsmsreport.lconfirmrelayactivitybyring">
            <location filename="../resources/RV23.json"/>
            <source>Potvrzovat sepnutí a vypnutí relé prozvoněním</source>
            <translation>Confirm relay switching by ringing</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsmsreport.lconfirmrelayactivitybyring.cbconfirmrelayactivitybyring.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Sepnutí nebo vypnutí relé prozvoněním potvrdí zařízení zpětnou SMS.</source>
            <translation>The unit confirms switching a relay on or off by ringing with a reply SMS.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsmsreport.lconfirmrelayactivitybysms">
            <location filename="../resources/RV23.json"/>
            <source>Potvrzovat sepnutí a vypnutí relé SMSkou</source>
            <translation>Confirm relay switching by SMS</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsmsreport.lconfirmrelayactivitybysms.cbconfirmrelayactivitybysms.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Sepnutí nebo vypnutí relé SMS příkazem potvrdí zařízení zpětnou SMS.</source>
            <translation>The unit confirms switching a relay on or off by an SMS command with a reply SMS.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsmsreport.llimit10sms">
            <location filename="../resources/RV23.json"/>
            <source>Max. 10 SMS za 15min</source>
            <translation>Max. 10 SMS in 15 min</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsmsreport.llimit10sms.cblimit10sms.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Po odeslání 10 SMS během 15 minut zařízení další SMS na 60 minut zablokuje.</source>
            <translation>After 10 SMS sent within 15 minutes, the unit blocks further SMS for 60 minutes.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsmsreport.lsendsmscopy">
            <location filename="../resources/RV23.json"/>
            <source>Poslat kopii odeslaných SMS na servisní číslo</source>
            <translation>Send a copy of sent SMS to the service number</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsmsreport.lsendsmscopy.cbsendsmscopy.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Kopii každé odeslané SMS pošle také na servisní číslo.</source>
            <translation>A copy of every SMS sent also goes to the service number.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsmsreport.lsmsreportforwardsms">
            <location filename="../resources/RV23.json"/>
            <source>Přeposlat nesrozumitelnou SMS na servisní číslo</source>
            <translation>Forward unrecognised SMS to the service number</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsmsreport.lsmsreportforwardsms.cbsmsreportforwardsms.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>SMS, které zařízení nerozumí, přepošle na servisní čísla.</source>
            <translation>SMS messages the unit does not understand are forwarded to the service numbers.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsmsreport.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Co zařízení hlásí na servisní čísla a jak potvrzuje ovládání relé.</source>
            <translation>What the unit reports to the service numbers and how it confirms relay control.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.label">
            <location filename="../resources/RV23.json"/>
            <source>Nastavení</source>
            <translation>Settings</translation>
        </message>
        <message id="app.rv-23.topitem.settings.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Bezdrátové periférie, SIM karta, hlídání kreditu a servisní hlášení.</source>
            <translation>Wireless peripherals, SIM card, credit supervision and service reports.</translation>
        </message>
        <message id="app.rv-23k.settings.permanent">
            <location filename="../pages/outputs.cpp"/>
            <source></source>
            <translation>Permanently on</translation>
        </message>
        <message id="app.rv23.badsmsformat">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>The SMS has an invalid format.</translation>
        </message>
        <message id="app.rv23.communicationerror">
            <location filename="../module/rv_23.cpp"/>
            <source>Communication with the unit failed.</source>
            <translation>Communication with the unit failed. Check the USB connection and connect again.</translation>
        </message>
        <message id="app.rv23.configuration.error">
            <location filename="../module/pageassembly.cpp"/>
            <source>The page description of the module cannot be read.</source>
            <translation>The page description of the module cannot be read.</translation>
        </message>
        <message id="app.rv23.configuration.importfailed">
            <location filename="../module/pageassembly.cpp"/>
            <source>The file cannot be imported: its content does not match the chosen file type.</source>
            <translation>The file cannot be imported: its content does not match the chosen file type.</translation>
        </message>
        <message id="app.rv23.configuration.unabletosavepleasefix">
            <location filename="../module/orchestration.cpp"/>
            <source>The configuration cannot be saved. Please correct the values marked in red.</source>
            <translation>The configuration cannot be saved. Please correct the values marked in red.</translation>
        </message>
        <message id="app.rv23.devicenotrespondig">
            <location filename="../module/rv_23.cpp"/>
            <source>The unit does not respond.</source>
            <translation>The unit does not respond. Check the connection and try again.</translation>
        </message>
        <message id="app.rv23.err.badsmsformat">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>The unit rejected the command: a value has a wrong format, is too long or is out of range.</translation>
        </message>
        <message id="app.rv23.err.commandmismatch">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>The command does not match what the unit expects.</translation>
        </message>
        <message id="app.rv23.err.creditqueryerror">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>The credit query failed. Check the USSD command.</translation>
        </message>
        <message id="app.rv23.err.emptysms">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>The SMS is empty.</translation>
        </message>
        <message id="app.rv23.err.entrynotfound">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>The unit did not find the entry (for example the phone number to delete).</translation>
        </message>
        <message id="app.rv23.err.gsmbussy">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>The GSM modem is busy. Please try again in a moment.</translation>
        </message>
        <message id="app.rv23.err.hwproblem">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>The unit reports a hardware fault.</translation>
        </message>
        <message id="app.rv23.err.initializationfailed">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>The unit failed to initialise.</translation>
        </message>
        <message id="app.rv23.err.memoryerror">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>The unit reports a memory error.</translation>
        </message>
        <message id="app.rv23.err.nospacetosave">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>The unit has no room left to store this (too many phone numbers or codes).</translation>
        </message>
        <message id="app.rv23.err.resendingtosamenumber">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>The unit does not send a message back to the number it came from.</translation>
        </message>
        <message id="app.rv23.err.rfnotinstalled">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>The unit has no wireless module installed.</translation>
        </message>
        <message id="app.rv23.err.savingfailed">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>The unit could not store the setting.</translation>
        </message>
        <message id="app.rv23.err.simerror">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>SIM card error. Check that the SIM card is inserted properly.</translation>
        </message>
        <message id="app.rv23.err.smserror">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>The unit could not process the SMS.</translation>
        </message>
        <message id="app.rv23.err.smsnotsendlimiteractive">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>The SMS was not sent: the limit of 10 SMS in 15 minutes is active.</translation>
        </message>
        <message id="app.rv23.err.unabletosendsms">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>The unit cannot send the SMS.</translation>
        </message>
        <message id="app.rv23.err.unsupportedascii">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>The text contains characters the unit does not support. Use letters without diacritics, digits and common punctuation.</translation>
        </message>
        <message id="app.rv23.err.wrongcommand">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>The unit does not know the command.</translation>
        </message>
        <message id="app.rv23.event.30mpowerfailure">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Power failure longer than 30 minutes</translation>
        </message>
        <message id="app.rv23.event.activationa">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Input A activated</translation>
        </message>
        <message id="app.rv23.event.activationb">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Input B activated</translation>
        </message>
        <message id="app.rv23.event.activationc">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Input C activated</translation>
        </message>
        <message id="app.rv23.event.activationd">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Input D activated</translation>
        </message>
        <message id="app.rv23.event.activationx">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Relay X switched on</translation>
        </message>
        <message id="app.rv23.event.activationy">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Relay Y switched on</translation>
        </message>
        <message id="app.rv23.event.alarm">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Alarm</translation>
        </message>
        <message id="app.rv23.event.alarmpowerrestoration">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Alarm: power restored</translation>
        </message>
        <message id="app.rv23.event.arm">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Armed</translation>
        </message>
        <message id="app.rv23.event.dailyservicecall">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Daily check call to the service number</translation>
        </message>
        <message id="app.rv23.event.deactivationa">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Input A deactivated</translation>
        </message>
        <message id="app.rv23.event.deactivationb">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Input B deactivated</translation>
        </message>
        <message id="app.rv23.event.deactivationc">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Input C deactivated</translation>
        </message>
        <message id="app.rv23.event.deactivationd">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Input D deactivated</translation>
        </message>
        <message id="app.rv23.event.deactivationx">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Relay X switched off</translation>
        </message>
        <message id="app.rv23.event.deactivationy">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Relay Y switched off</translation>
        </message>
        <message id="app.rv23.event.devicereset">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Unit reset</translation>
        </message>
        <message id="app.rv23.event.disarm">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Disarmed</translation>
        </message>
        <message id="app.rv23.event.gsmerror">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>GSM failure</translation>
        </message>
        <message id="app.rv23.event.gsmrestoration">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>GSM restored</translation>
        </message>
        <message id="app.rv23.event.pcchange">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Settings changed from a PC</translation>
        </message>
        <message id="app.rv23.event.pcused">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Connected to a PC</translation>
        </message>
        <message id="app.rv23.event.peripheralbatteryfailure">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Wireless peripheral battery low</translation>
        </message>
        <message id="app.rv23.event.peripheralloss">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Wireless peripheral lost</translation>
        </message>
        <message id="app.rv23.event.phoneerased">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Phone number erased</translation>
        </message>
        <message id="app.rv23.event.powerfailure">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Power failure</translation>
        </message>
        <message id="app.rv23.event.poweron">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Unit switched on</translation>
        </message>
        <message id="app.rv23.event.powerrestoration">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Power restored</translation>
        </message>
        <message id="app.rv23.event.smslimitreached">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>SMS limit reached (10 SMS in 15 minutes)</translation>
        </message>
        <message id="app.rv23.event.smslimitrestored">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>SMS sending allowed again</translation>
        </message>
        <message id="app.rv23.event.source.dtmfxoff">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>DTMF code relay X off</translation>
        </message>
        <message id="app.rv23.event.source.dtmfxon">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>DTMF code relay X on</translation>
        </message>
        <message id="app.rv23.event.source.dtmfyoff">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>DTMF code relay Y off</translation>
        </message>
        <message id="app.rv23.event.source.dtmfyon">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>DTMF code relay Y on</translation>
        </message>
        <message id="app.rv23.event.source.inputaphone">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translatorcomment>Followed directly by the row of the phone number (1 to 8): keep the trailing space.</translatorcomment>
            <translation>Input A, phone no. </translation>
        </message>
        <message id="app.rv23.event.source.inputbphone">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translatorcomment>Followed directly by the row of the phone number (1 to 8): keep the trailing space.</translatorcomment>
            <translation>Input B, phone no. </translation>
        </message>
        <message id="app.rv23.event.source.inputcphone">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translatorcomment>Followed directly by the row of the phone number (1 to 8): keep the trailing space.</translatorcomment>
            <translation>Input C, phone no. </translation>
        </message>
        <message id="app.rv23.event.source.inputdphone">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translatorcomment>Followed directly by the row of the phone number (1 to 8): keep the trailing space.</translatorcomment>
            <translation>Input D, phone no. </translation>
        </message>
        <message id="app.rv23.event.source.outputxphone">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translatorcomment>Followed directly by the row of the phone number (1 to 50): keep the trailing space.</translatorcomment>
            <translation>Output X, phone no. </translation>
        </message>
        <message id="app.rv23.event.source.outputyphone">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translatorcomment>Followed directly by the row of the phone number (1 to 50): keep the trailing space.</translatorcomment>
            <translation>Output Y, phone no. </translation>
        </message>
        <message id="app.rv23.event.source.phone">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Phone</translation>
        </message>
        <message id="app.rv23.event.source.service1">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Service number 1</translation>
        </message>
        <message id="app.rv23.event.source.service2">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Service number 2</translation>
        </message>
        <message id="app.rv23.event.source.unknown">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translatorcomment>Followed by a space and the source number.</translatorcomment>
            <translation>Unknown source</translation>
        </message>
        <message id="app.rv23.event.source.wirelessperipheral">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Wireless peripheral</translation>
        </message>
        <message id="app.rv23.events.clearing">
            <location filename="../module/orchestration.cpp"/>
            <source>Clearing the event log...</source>
            <translation>Clearing the event log...</translation>
        </message>
        <message id="app.rv23.events.info">
            <location filename="../pages/events.cpp"/>
            <source></source>
            <translation>The event history stored in the unit, oldest first. Reload events reads it again.</translation>
        </message>
        <message id="app.rv23.events.loading">
            <location filename="../module/orchestration.cpp"/>
            <source>Reading the event log...</source>
            <translation>Reading the event log...</translation>
        </message>
        <message id="app.rv23.events.reload">
            <location filename="../pages/events.cpp"/>
            <source></source>
            <translation>Reload events</translation>
        </message>
        <message id="app.rv23.filetype.portalform">
            <location filename="../module/configuration.cpp"/>
            <source>Web portal form</source>
            <translation>Web portal form</translation>
        </message>
        <message id="app.rv23.filetype.rv23ksettings">
            <location filename="../module/configuration.cpp"/>
            <source>RV-23 settings</source>
            <translation>RV-23 settings</translation>
        </message>
        <message id="app.rv23.firmware.unsupporteddoupdate">
            <location filename="../module/rv_23.cpp"/>
            <source>The unit's firmware is not supported. Upgrade it now?</source>
            <translation>The unit's firmware is not supported. Upgrade it now?</translation>
        </message>
        <message id="app.rv23.firmware.updatefailed">
            <location filename="../module/firmwareupdate.cpp"/>
            <source>The firmware upgrade failed.</source>
            <translation>The firmware upgrade failed.</translation>
        </message>
        <message id="app.rv23.firmware.upgrading">
            <location filename="../module/firmwareupdate.cpp"/>
            <source>Upgrading the unit's firmware...</source>
            <translation>Upgrading the unit's firmware...</translation>
        </message>
        <message id="app.rv23.information.info">
            <location filename="../pages/informations.cpp"/>
            <source></source>
            <translation>Information about the connected unit. Operator, GSM signal and voltage are shown in the extended view.</translation>
        </message>
        <message id="app.rv23.inputs.info">
            <location filename="../pages/inputs.cpp"/>
            <source></source>
            <translation>What each input reports by SMS and call, and to which numbers. An input is active when its terminal is connected to ground.</translation>
        </message>
        <message id="app.rv23.io.active">
            <location filename="../module/pageassembly.cpp"/>
            <source>active</source>
            <translation>Active</translation>
        </message>
        <message id="app.rv23.io.inactive">
            <location filename="../module/pageassembly.cpp"/>
            <source>inactive</source>
            <translation>Inactive</translation>
        </message>
        <message id="app.rv23.io.off">
            <location filename="../link/memorymap.cpp"/>
            <location filename="../module/pageassembly.cpp"/>
            <source>off</source>
            <translation>Off</translation>
        </message>
        <message id="app.rv23.io.on">
            <location filename="../link/memorymap.cpp"/>
            <location filename="../module/pageassembly.cpp"/>
            <source>on</source>
            <translation>On</translation>
        </message>
        <message id="app.rv23.outputs.info">
            <location filename="../pages/outputs.cpp"/>
            <source></source>
            <translation>How the relays are switched: SMS texts, DTMF codes, on-time and the numbers allowed to switch them by ringing.</translation>
        </message>
        <message id="app.rv23.saveas">
            <location filename="../module/orchestration.cpp"/>
            <source>Save as</source>
            <translation>Save as</translation>
        </message>
        <message id="app.rv23.settings.export">
            <location filename="../module/orchestration.cpp"/>
            <source>Exporting the settings...</source>
            <translation>Exporting the settings...</translation>
        </message>
        <message id="app.rv23.settings.info">
            <location filename="../pages/settings.cpp"/>
            <source></source>
            <translation>Wireless peripherals, SIM card, credit supervision and service reports.</translation>
        </message>
        <message id="app.save">
            <location filename="../framework/widget.cpp"/>
            <location filename="../framework/widget.ui"/>
            <source>Save</source>
            <translation>Save</translation>
        </message>
        <message id="app.warning">
            <location filename="../module/messages.cpp"/>
            <source>Warning</source>
            <translation>Warning</translation>
        </message>
        <message id="err.errno">
            <location filename="../module/rv_23.cpp"/>
            <source>The unit reported error</source>
            <translatorcomment>Message box text, followed by a space and the error number the unit reported.</translatorcomment>
            <translation>The unit reported error</translation>
        </message>
    </context>
</TS>
