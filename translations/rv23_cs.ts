<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
    <context>
        <name></name>
        <message id="app.basic">
            <location filename="../framework/widget.cpp"/>
            <source></source>
            <translation>Základní zobrazení</translation>
        </message>
        <message id="app.cfg.savingtodevice">
            <location filename="../module/orchestration.cpp"/>
            <source>Saving the configuration to the unit...</source>
            <translation>Ukládání konfigurace do zařízení...</translation>
        </message>
        <message id="app.critical">
            <location filename="../module/messages.cpp"/>
            <source>Error</source>
            <translation>Chyba</translation>
        </message>
        <message id="app.discard">
            <location filename="../framework/widget.cpp"/>
            <location filename="../framework/widget.ui"/>
            <source>Discard</source>
            <translation>Zahodit změny</translation>
        </message>
        <message id="app.extended">
            <location filename="../framework/widget.cpp"/>
            <location filename="../framework/widget.ui"/>
            <source>Extended view</source>
            <translation>Rozšířené zobrazení</translation>
        </message>
        <message id="app.extended.tooltip">
            <location filename="../framework/widget.cpp"/>
            <location filename="../framework/widget.ui"/>
            <source>Switches between basic and extended view</source>
            <translation>Přepíná mezi základním a rozšířeným zobrazením</translation>
        </message>
        <message id="app.no">
            <location filename="../framework/spinboxdelegate.cpp"/>
            <source></source>
            <translatorcomment>Shown in the count column of the relay phone tables for 0, which means no limit.</translatorcomment>
            <translation>Bez omezení</translation>
        </message>
        <message id="app.rv-23.topitem.events">
            <location filename="../resources/RV23.json"/>
            <source>Události</source>
            <translation>Události</translation>
        </message>
        <message id="app.rv-23.topitem.events.dates">
            <location filename="../resources/RV23.json"/>
            <source>Datum</source>
            <translation>Datum</translation>
        </message>
        <message id="app.rv-23.topitem.events.events">
            <location filename="../resources/RV23.json"/>
            <source>Událost</source>
            <translation>Událost</translation>
        </message>
        <message id="app.rv-23.topitem.events.label">
            <location filename="../resources/RV23.json"/>
            <source>Události</source>
            <translation>Události</translation>
        </message>
        <message id="app.rv-23.topitem.events.sources">
            <location filename="../resources/RV23.json"/>
            <source>Zdroj</source>
            <translation>Zdroj</translation>
        </message>
        <message id="app.rv-23.topitem.events.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Historie událostí uložená v zařízení: aktivace vstupů, sepnutí relé, výpadky napájení a GSM.</source>
            <translation>Historie událostí uložená v zařízení: aktivace vstupů, sepnutí relé, výpadky napájení a GSM.</translation>
        </message>
        <message id="app.rv-23.topitem.informations">
            <location filename="../resources/RV23.json"/>
            <source>Informace</source>
            <translation>Informace</translation>
        </message>
        <message id="app.rv-23.topitem.informations.keys">
            <location filename="../resources/RV23.json"/>
            <source>Položka</source>
            <translation>Položka</translation>
        </message>
        <message id="app.rv-23.topitem.informations.keys.behavversion">
            <location filename="../resources/RV23.json"/>
            <source>Verze chování</source>
            <translation>Verze chování</translation>
        </message>
        <message id="app.rv-23.topitem.informations.keys.firmware">
            <location filename="../resources/RV23.json"/>
            <source>Verze firmware</source>
            <translation>Verze firmware</translation>
        </message>
        <message id="app.rv-23.topitem.informations.keys.imei">
            <location filename="../resources/RV23.json"/>
            <source>IMEI</source>
            <translation>IMEI</translation>
        </message>
        <message id="app.rv-23.topitem.informations.keys.operator">
            <location filename="../resources/RV23.json"/>
            <source>Operátor</source>
            <translation>Operátor</translation>
        </message>
        <message id="app.rv-23.topitem.informations.keys.ownphonenumber">
            <location filename="../resources/RV23.json"/>
            <source>Vlastní číslo</source>
            <translation>Vlastní číslo</translation>
        </message>
        <message id="app.rv-23.topitem.informations.keys.ownphonenumber.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Telefonní číslo SIM karty vložené v zařízení.</source>
            <translation>Telefonní číslo SIM karty vložené v zařízení.</translation>
        </message>
        <message id="app.rv-23.topitem.informations.keys.rssi">
            <location filename="../resources/RV23.json"/>
            <source>GSM signál</source>
            <translation>GSM signál</translation>
        </message>
        <message id="app.rv-23.topitem.informations.keys.rssi.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Síla GSM signálu</source>
            <translation>Síla GSM signálu</translation>
        </message>
        <message id="app.rv-23.topitem.informations.keys.serial">
            <location filename="../resources/RV23.json"/>
            <source>Sériové číslo</source>
            <translation>Sériové číslo</translation>
        </message>
        <message id="app.rv-23.topitem.informations.keys.voltage">
            <location filename="../resources/RV23.json"/>
            <source>Napětí</source>
            <translation>Napětí</translation>
        </message>
        <message id="app.rv-23.topitem.informations.label">
            <location filename="../resources/RV23.json"/>
            <source>Informace</source>
            <translation>Informace</translation>
        </message>
        <message id="app.rv-23.topitem.informations.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Údaje o připojeném zařízení. Operátor, síla signálu a napájecí napětí se zobrazují v rozšířeném zobrazení.</source>
            <translation>Údaje o připojeném zařízení. Operátor, síla signálu a napájecí napětí se zobrazují v rozšířeném zobrazení.</translation>
        </message>
        <message id="app.rv-23.topitem.informations.values">
            <location filename="../resources/RV23.json"/>
            <source>Hodnota</source>
            <translation>Hodnota</translation>
        </message>
        <message id="app.rv-23.topitem.inputs">
            <location filename="../resources/RV23.json"/>
            <source>Vstupy</source>
            <translation>Vstupy</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputa">
            <location filename="../resources/RV23.json"/>
            <source>Vstup A</source>
            <translation>Vstup A</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputa.cbcalla.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Po odeslání SMS o změně vstupu A zařízení na stejná čísla také zavolá.</source>
            <translation>Po odeslání SMS o změně vstupu A zařízení na stejná čísla také zavolá.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputa.lesmsoffa.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Text SMS, kterou zařízení pošle při deaktivaci vstupu A (vstup odpojen od země). Nejvýše 30 znaků bez čárek a teček; na velikosti písmen nezáleží, diakritiku raději nepoužívejte. Prázdný text hlášení deaktivace vypne.</source>
            <translation>Text SMS, kterou zařízení pošle při deaktivaci vstupu A (vstup odpojen od země). Nejvýše 30 znaků bez čárek a teček; na velikosti písmen nezáleží, diakritiku raději nepoužívejte. Prázdný text hlášení deaktivace vypne.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputa.lesmsona.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Text SMS, kterou zařízení pošle při aktivaci vstupu A (vstup spojen se zemí). Nejvýše 30 znaků bez čárek a teček; na velikosti písmen nezáleží, diakritiku raději nepoužívejte. Prázdný text hlášení aktivace vypne.</source>
            <translation>Text SMS, kterou zařízení pošle při aktivaci vstupu A (vstup spojen se zemí). Nejvýše 30 znaků bez čárek a teček; na velikosti písmen nezáleží, diakritiku raději nepoužívejte. Prázdný text hlášení aktivace vypne.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputa.lestava.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Okamžitý stav vstupu A hlášený připojeným zařízením.</source>
            <translation>Okamžitý stav vstupu A hlášený připojeným zařízením.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputa.taphones.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Až 8 telefonních čísel, na která se hlásí aktivace a deaktivace vstupu A. Prázdné řádky se vynechají.</source>
            <translation>Až 8 telefonních čísel, na která se hlásí aktivace a deaktivace vstupu A. Prázdné řádky se vynechají.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputa.taphones.valuecolumn">
            <location filename="../resources/RV23.json"/>
            <source>Tel. číslo</source>
            <translation>Tel. číslo</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputa.taphones.valuecolumn.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Telefonní číslo, nejvýše 20 znaků. Doporučujeme mezinárodní formát, např. +420603123456.</source>
            <translation>Telefonní číslo, nejvýše 20 znaků. Doporučujeme mezinárodní formát, např. +420603123456.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputa.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Vstup A je aktivní, když je jeho svorka spojena se zemí (GND).</source>
            <translation>Vstup A je aktivní, když je jeho svorka spojena se zemí (GND).</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputb">
            <location filename="../resources/RV23.json"/>
            <source>Vstup B</source>
            <translation>Vstup B</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputb.cbcallb.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Po odeslání SMS o změně vstupu B zařízení na stejná čísla také zavolá.</source>
            <translation>Po odeslání SMS o změně vstupu B zařízení na stejná čísla také zavolá.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputb.lesmsoffb.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Text SMS, kterou zařízení pošle při deaktivaci vstupu B (vstup odpojen od země). Nejvýše 30 znaků bez čárek a teček; na velikosti písmen nezáleží, diakritiku raději nepoužívejte. Prázdný text hlášení deaktivace vypne.</source>
            <translation>Text SMS, kterou zařízení pošle při deaktivaci vstupu B (vstup odpojen od země). Nejvýše 30 znaků bez čárek a teček; na velikosti písmen nezáleží, diakritiku raději nepoužívejte. Prázdný text hlášení deaktivace vypne.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputb.lesmsonb.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Text SMS, kterou zařízení pošle při aktivaci vstupu B (vstup spojen se zemí). Nejvýše 30 znaků bez čárek a teček; na velikosti písmen nezáleží, diakritiku raději nepoužívejte. Prázdný text hlášení aktivace vypne.</source>
            <translation>Text SMS, kterou zařízení pošle při aktivaci vstupu B (vstup spojen se zemí). Nejvýše 30 znaků bez čárek a teček; na velikosti písmen nezáleží, diakritiku raději nepoužívejte. Prázdný text hlášení aktivace vypne.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputb.lestavb.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Okamžitý stav vstupu B hlášený připojeným zařízením.</source>
            <translation>Okamžitý stav vstupu B hlášený připojeným zařízením.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputb.tbphones.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Až 8 telefonních čísel, na která se hlásí aktivace a deaktivace vstupu B. Prázdné řádky se vynechají.</source>
            <translation>Až 8 telefonních čísel, na která se hlásí aktivace a deaktivace vstupu B. Prázdné řádky se vynechají.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputb.tbphones.valuecolumn">
            <location filename="../resources/RV23.json"/>
            <source>Tel. číslo</source>
            <translation>Tel. číslo</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputb.tbphones.valuecolumn.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Telefonní číslo, nejvýše 20 znaků. Doporučujeme mezinárodní formát, např. +420603123456.</source>
            <translation>Telefonní číslo, nejvýše 20 znaků. Doporučujeme mezinárodní formát, např. +420603123456.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputb.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Vstup B je aktivní, když je jeho svorka spojena se zemí (GND).</source>
            <translation>Vstup B je aktivní, když je jeho svorka spojena se zemí (GND).</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputc">
            <location filename="../resources/RV23.json"/>
            <source>Vstup C</source>
            <translation>Vstup C</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputc.cbcallc.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Po odeslání SMS o změně vstupu C zařízení na stejná čísla také zavolá.</source>
            <translation>Po odeslání SMS o změně vstupu C zařízení na stejná čísla také zavolá.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputc.lesmsoffc.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Text SMS, kterou zařízení pošle při deaktivaci vstupu C (vstup odpojen od země). Nejvýše 30 znaků bez čárek a teček; na velikosti písmen nezáleží, diakritiku raději nepoužívejte. Prázdný text hlášení deaktivace vypne.</source>
            <translation>Text SMS, kterou zařízení pošle při deaktivaci vstupu C (vstup odpojen od země). Nejvýše 30 znaků bez čárek a teček; na velikosti písmen nezáleží, diakritiku raději nepoužívejte. Prázdný text hlášení deaktivace vypne.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputc.lesmsonc.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Text SMS, kterou zařízení pošle při aktivaci vstupu C (vstup spojen se zemí). Nejvýše 30 znaků bez čárek a teček; na velikosti písmen nezáleží, diakritiku raději nepoužívejte. Prázdný text hlášení aktivace vypne.</source>
            <translation>Text SMS, kterou zařízení pošle při aktivaci vstupu C (vstup spojen se zemí). Nejvýše 30 znaků bez čárek a teček; na velikosti písmen nezáleží, diakritiku raději nepoužívejte. Prázdný text hlášení aktivace vypne.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputc.lestavc.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Okamžitý stav vstupu C hlášený připojeným zařízením.</source>
            <translation>Okamžitý stav vstupu C hlášený připojeným zařízením.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputc.tcphones.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Až 8 telefonních čísel, na která se hlásí aktivace a deaktivace vstupu C. Prázdné řádky se vynechají.</source>
            <translation>Až 8 telefonních čísel, na která se hlásí aktivace a deaktivace vstupu C. Prázdné řádky se vynechají.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputc.tcphones.valuecolumn">
            <location filename="../resources/RV23.json"/>
            <source>Tel. číslo</source>
            <translation>Tel. číslo</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputc.tcphones.valuecolumn.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Telefonní číslo, nejvýše 20 znaků. Doporučujeme mezinárodní formát, např. +420603123456.</source>
            <translation>Telefonní číslo, nejvýše 20 znaků. Doporučujeme mezinárodní formát, např. +420603123456.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputc.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Vstup C je aktivní, když je jeho svorka spojena se zemí (GND).</source>
            <translation>Vstup C je aktivní, když je jeho svorka spojena se zemí (GND).</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputd">
            <location filename="../resources/RV23.json"/>
            <source>Vstup D</source>
            <translation>Vstup D</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputd.cbcalld.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Po odeslání SMS o změně vstupu D zařízení na stejná čísla také zavolá.</source>
            <translation>Po odeslání SMS o změně vstupu D zařízení na stejná čísla také zavolá.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputd.lesmsoffd.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Text SMS, kterou zařízení pošle při deaktivaci vstupu D (vstup odpojen od země). Nejvýše 30 znaků bez čárek a teček; na velikosti písmen nezáleží, diakritiku raději nepoužívejte. Prázdný text hlášení deaktivace vypne.</source>
            <translation>Text SMS, kterou zařízení pošle při deaktivaci vstupu D (vstup odpojen od země). Nejvýše 30 znaků bez čárek a teček; na velikosti písmen nezáleží, diakritiku raději nepoužívejte. Prázdný text hlášení deaktivace vypne.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputd.lesmsond.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Text SMS, kterou zařízení pošle při aktivaci vstupu D (vstup spojen se zemí). Nejvýše 30 znaků bez čárek a teček; na velikosti písmen nezáleží, diakritiku raději nepoužívejte. Prázdný text hlášení aktivace vypne.</source>
            <translation>Text SMS, kterou zařízení pošle při aktivaci vstupu D (vstup spojen se zemí). Nejvýše 30 znaků bez čárek a teček; na velikosti písmen nezáleží, diakritiku raději nepoužívejte. Prázdný text hlášení aktivace vypne.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputd.lestavd.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Okamžitý stav vstupu D hlášený připojeným zařízením.</source>
            <translation>Okamžitý stav vstupu D hlášený připojeným zařízením.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputd.tdphones.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Až 8 telefonních čísel, na která se hlásí aktivace a deaktivace vstupu D. Prázdné řádky se vynechají.</source>
            <translation>Až 8 telefonních čísel, na která se hlásí aktivace a deaktivace vstupu D. Prázdné řádky se vynechají.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputd.tdphones.valuecolumn">
            <location filename="../resources/RV23.json"/>
            <source>Tel. číslo</source>
            <translation>Tel. číslo</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputd.tdphones.valuecolumn.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Telefonní číslo, nejvýše 20 znaků. Doporučujeme mezinárodní formát, např. +420603123456.</source>
            <translation>Telefonní číslo, nejvýše 20 znaků. Doporučujeme mezinárodní formát, např. +420603123456.</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputd.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Vstup D je aktivní, když je jeho svorka spojena se zemí (GND).</source>
            <translation>Vstup D je aktivní, když je jeho svorka spojena se zemí (GND).</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputtexts">
            <location filename="../resources/RV23.json"/>
            <source>Popis</source>
            <translation>Popis</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputtexts.lcall">
            <location filename="../resources/RV23.json"/>
            <source>Zavolat při aktivaci/deaktivaci vstupu</source>
            <translation>Zavolat při aktivaci/deaktivaci vstupu</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputtexts.linputphones">
            <location filename="../resources/RV23.json"/>
            <source>Telefonní čísla, na která se má hlásit aktivace či deaktivace vstupu</source>
            <translation>Telefonní čísla, na která se má hlásit aktivace či deaktivace vstupu</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputtexts.lsmsoff">
            <location filename="../resources/RV23.json"/>
            <source>Text SMS, kterým se hlásí deaktivace</source>
            <translation>Text SMS, kterým se hlásí deaktivace</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputtexts.lsmson">
            <location filename="../resources/RV23.json"/>
            <source>Text SMS, kterým se hlásí aktivace</source>
            <translation>Text SMS, kterým se hlásí aktivace</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.gbinputtexts.lstav">
            <location filename="../resources/RV23.json"/>
            <source>Stav</source>
            <translation>Stav</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.label">
            <location filename="../resources/RV23.json"/>
            <source>Vstupy</source>
            <translation>Vstupy</translation>
        </message>
        <message id="app.rv-23.topitem.inputs.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Hlášení ze vstupů A až D: texty SMS při aktivaci a deaktivaci vstupu, zavolání a telefonní čísla, na která se hlásí.</source>
            <translation>Hlášení ze vstupů A až D: texty SMS při aktivaci a deaktivaci vstupu, zavolání a telefonní čísla, na která se hlásí.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs">
            <location filename="../resources/RV23.json"/>
            <source>Výstupy</source>
            <translation>Výstupy</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputtexts">
            <location filename="../resources/RV23.json"/>
            <source>Popis</source>
            <translation>Popis</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputtexts.ldelay">
            <location filename="../resources/RV23.json"/>
            <source>Doba sepnutí relé</source>
            <translation>Doba sepnutí relé</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputtexts.ldtmfoff">
            <location filename="../resources/RV23.json"/>
            <source>DTMF pro vypnutí relé</source>
            <translation>DTMF pro vypnutí relé</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputtexts.ldtmfon">
            <location filename="../resources/RV23.json"/>
            <source>DTMF pro zapnutí relé</source>
            <translation>DTMF pro zapnutí relé</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputtexts.loutputphones">
            <location filename="../resources/RV23.json"/>
            <source>Telefonní čísla oprávněná k ovládání výstupu prozvoněním</source>
            <translation>Telefonní čísla oprávněná k ovládání výstupu prozvoněním</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputtexts.lsmsoff">
            <location filename="../resources/RV23.json"/>
            <source>Text SMS, která vypne relé</source>
            <translation>Text SMS, která vypne relé</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputtexts.lsmson">
            <location filename="../resources/RV23.json"/>
            <source>Text SMS, která zapne relé</source>
            <translation>Text SMS, která zapne relé</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputtexts.lstav">
            <location filename="../resources/RV23.json"/>
            <source>Stav</source>
            <translation>Stav</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputx">
            <location filename="../resources/RV23.json"/>
            <source>Výstup X</source>
            <translation>Výstup X</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputx.cboutputxon.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Relé X zůstane po zapnutí sepnuté, dokud nepřijde příkaz k vypnutí.</source>
            <translation>Relé X zůstane po zapnutí sepnuté, dokud nepřijde příkaz k vypnutí.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputx.ledtmfoffx.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Kód DTMF (nejvýše 8 číslic), který během hovoru vypne relé X. Vyžaduje modul DTMF.</source>
            <translation>Kód DTMF (nejvýše 8 číslic), který během hovoru vypne relé X. Vyžaduje modul DTMF.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputx.ledtmfonx.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Kód DTMF (nejvýše 8 číslic), který během hovoru zapne relé X. Vyžaduje modul DTMF.</source>
            <translation>Kód DTMF (nejvýše 8 číslic), který během hovoru zapne relé X. Vyžaduje modul DTMF.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputx.lesmsoffx.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Text SMS, která vypne relé X. Nejvýše 30 znaků bez čárek a teček; na velikosti písmen nezáleží, diakritiku raději nepoužívejte. Prázdný text vypínání SMS zakáže.</source>
            <translation>Text SMS, která vypne relé X. Nejvýše 30 znaků bez čárek a teček; na velikosti písmen nezáleží, diakritiku raději nepoužívejte. Prázdný text vypínání SMS zakáže.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputx.lesmsonx.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Text SMS, která zapne relé X. Nejvýše 30 znaků bez čárek a teček; na velikosti písmen nezáleží, diakritiku raději nepoužívejte. Prázdný text zapínání SMS zakáže.</source>
            <translation>Text SMS, která zapne relé X. Nejvýše 30 znaků bez čárek a teček; na velikosti písmen nezáleží, diakritiku raději nepoužívejte. Prázdný text zapínání SMS zakáže.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputx.lestavx.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Okamžitý stav relé X hlášený připojeným zařízením.</source>
            <translation>Okamžitý stav relé X hlášený připojeným zařízením.</translation>
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
            <translation>Přepne relé X do opačného stavu a ověří tak funkci výstupu. Dostupné jen s připojeným zařízením.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputx.tedelayx.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Jak dlouho zůstane relé X po zapnutí sepnuté (nejvýše 10 hodin), ve tvaru hodiny:minuty:sekundy. Při trvalém sepnutí se nepoužije.</source>
            <translation>Jak dlouho zůstane relé X po zapnutí sepnuté (nejvýše 10 hodin), ve tvaru hodiny:minuty:sekundy. Při trvalém sepnutí se nepoužije.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputx.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Ovládání reléového výstupu X.</source>
            <translation>Ovládání reléového výstupu X.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputx.txphones.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Až 50 telefonních čísel, která smějí relé X ovládat prozvoněním. Počet omezuje, kolikrát smí číslo relé ovládat.</source>
            <translation>Až 50 telefonních čísel, která smějí relé X ovládat prozvoněním. Počet omezuje, kolikrát smí číslo relé ovládat.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputx.txphones.valuecolumn">
            <location filename="../resources/RV23.json"/>
            <source>Tel. číslo</source>
            <translation>Tel. číslo</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputx.txphones.valuecolumn.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Telefonní číslo, nejvýše 20 znaků. Doporučujeme mezinárodní formát, např. +420603123456.</source>
            <translation>Telefonní číslo, nejvýše 20 znaků. Doporučujeme mezinárodní formát, např. +420603123456.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputx.txphones.valuecolumn2">
            <location filename="../resources/RV23.json"/>
            <source>Počet</source>
            <translation>Počet</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputx.txphones.valuecolumn2.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Kolikrát smí číslo relé ovládat (1 až 99); 0 znamená bez omezení.</source>
            <translation>Kolikrát smí číslo relé ovládat (1 až 99); 0 znamená bez omezení.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputy">
            <location filename="../resources/RV23.json"/>
            <source>Výstup Y</source>
            <translation>Výstup Y</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputy.cboutputyon.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Relé Y zůstane po zapnutí sepnuté, dokud nepřijde příkaz k vypnutí.</source>
            <translation>Relé Y zůstane po zapnutí sepnuté, dokud nepřijde příkaz k vypnutí.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputy.ledtmfoffy.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Kód DTMF (nejvýše 8 číslic), který během hovoru vypne relé Y. Vyžaduje modul DTMF.</source>
            <translation>Kód DTMF (nejvýše 8 číslic), který během hovoru vypne relé Y. Vyžaduje modul DTMF.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputy.ledtmfony.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Kód DTMF (nejvýše 8 číslic), který během hovoru zapne relé Y. Vyžaduje modul DTMF.</source>
            <translation>Kód DTMF (nejvýše 8 číslic), který během hovoru zapne relé Y. Vyžaduje modul DTMF.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputy.lesmsoffy.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Text SMS, která vypne relé Y. Nejvýše 30 znaků bez čárek a teček; na velikosti písmen nezáleží, diakritiku raději nepoužívejte. Prázdný text vypínání SMS zakáže.</source>
            <translation>Text SMS, která vypne relé Y. Nejvýše 30 znaků bez čárek a teček; na velikosti písmen nezáleží, diakritiku raději nepoužívejte. Prázdný text vypínání SMS zakáže.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputy.lesmsony.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Text SMS, která zapne relé Y. Nejvýše 30 znaků bez čárek a teček; na velikosti písmen nezáleží, diakritiku raději nepoužívejte. Prázdný text zapínání SMS zakáže.</source>
            <translation>Text SMS, která zapne relé Y. Nejvýše 30 znaků bez čárek a teček; na velikosti písmen nezáleží, diakritiku raději nepoužívejte. Prázdný text zapínání SMS zakáže.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputy.lestavy.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Okamžitý stav relé Y hlášený připojeným zařízením.</source>
            <translation>Okamžitý stav relé Y hlášený připojeným zařízením.</translation>
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
            <translation>Přepne relé Y do opačného stavu a ověří tak funkci výstupu. Dostupné jen s připojeným zařízením.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputy.tedelayy.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Jak dlouho zůstane relé Y po zapnutí sepnuté (nejvýše 10 hodin), ve tvaru hodiny:minuty:sekundy. Při trvalém sepnutí se nepoužije.</source>
            <translation>Jak dlouho zůstane relé Y po zapnutí sepnuté (nejvýše 10 hodin), ve tvaru hodiny:minuty:sekundy. Při trvalém sepnutí se nepoužije.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputy.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Ovládání reléového výstupu Y.</source>
            <translation>Ovládání reléového výstupu Y.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputy.typhones.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Až 50 telefonních čísel, která smějí relé Y ovládat prozvoněním. Počet omezuje, kolikrát smí číslo relé ovládat.</source>
            <translation>Až 50 telefonních čísel, která smějí relé Y ovládat prozvoněním. Počet omezuje, kolikrát smí číslo relé ovládat.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputy.typhones.valuecolumn">
            <location filename="../resources/RV23.json"/>
            <source>Tel. číslo</source>
            <translation>Tel. číslo</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputy.typhones.valuecolumn.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Telefonní číslo, nejvýše 20 znaků. Doporučujeme mezinárodní formát, např. +420603123456.</source>
            <translation>Telefonní číslo, nejvýše 20 znaků. Doporučujeme mezinárodní formát, např. +420603123456.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputy.typhones.valuecolumn2">
            <location filename="../resources/RV23.json"/>
            <source>Počet</source>
            <translation>Počet</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.gboutputy.typhones.valuecolumn2.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Kolikrát smí číslo relé ovládat (1 až 99); 0 znamená bez omezení.</source>
            <translation>Kolikrát smí číslo relé ovládat (1 až 99); 0 znamená bez omezení.</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.label">
            <location filename="../resources/RV23.json"/>
            <source>Výstupy</source>
            <translation>Výstupy</translation>
        </message>
        <message id="app.rv-23.topitem.outputs.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Reléové výstupy X a Y: texty SMS a kódy DTMF pro zapnutí a vypnutí, doba sepnutí a telefonní čísla oprávněná k ovládání prozvoněním.</source>
            <translation>Reléové výstupy X a Y: texty SMS a kódy DTMF pro zapnutí a vypnutí, doba sepnutí a telefonní čísla oprávněná k ovládání prozvoněním.</translation>
        </message>
        <message id="app.rv-23.topitem.settings">
            <location filename="../resources/RV23.json"/>
            <source>Nastavení</source>
            <translation>Nastavení</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbcredit">
            <location filename="../resources/RV23.json"/>
            <source>Hlídání kreditu SIM</source>
            <translation>Hlídání kreditu SIM</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbcredit.lcreditactivated">
            <location filename="../resources/RV23.json"/>
            <source>Aktivováno</source>
            <translation>Aktivováno</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbcredit.lcreditactivated.cbcreditactivated.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Zapne automatickou kontrolu zůstatku kreditu.</source>
            <translation>Zapne automatickou kontrolu zůstatku kreditu.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbcredit.lcreditcommand">
            <location filename="../resources/RV23.json"/>
            <source>USSD příkaz</source>
            <translation>USSD příkaz</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbcredit.lcreditcommand.lecreditcommand.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>USSD kód, kterým se operátora ptá na zůstatek, např. *101#.</source>
            <translation>USSD kód, kterým se operátora ptá na zůstatek, např. *101#.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbcredit.lcreditlowlimit">
            <location filename="../resources/RV23.json"/>
            <source>Minimální zůstatek</source>
            <translation>Minimální zůstatek</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbcredit.lcreditlowlimit.sbcreditlowlimit.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Při zůstatku pod touto částkou (1 až 999) zařízení pošle hlášení na servisní čísla.</source>
            <translation>Při zůstatku pod touto částkou (1 až 999) zařízení pošle hlášení na servisní čísla.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbcredit.lcreditperioda">
            <location filename="../resources/RV23.json"/>
            <source>Perioda kontroly ve dnech</source>
            <translation>Perioda kontroly ve dnech</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbcredit.lcreditperioda.lecreditdd.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Po kolika dnech (1 až 99) zařízení zůstatek kontroluje.</source>
            <translation>Po kolika dnech (1 až 99) zařízení zůstatek kontroluje.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbcredit.lcreditposition">
            <location filename="../resources/RV23.json"/>
            <source>Pozice první cifry zůstatku ve zprávě</source>
            <translation>Pozice první cifry zůstatku ve zprávě</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbcredit.lcreditposition.sbcreditposition.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Na kolikátém znaku odpovědi operátora začíná částka zůstatku (1 až 99).</source>
            <translation>Na kolikátém znaku odpovědi operátora začíná částka zůstatku (1 až 99).</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbcredit.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Zjišťování zůstatku předplacené SIM karty. Když je vyplněn jen USSD příkaz, lze zůstatek zjistit SMS příkazem „CRD“. Když jsou vyplněna všechna pole, zařízení zůstatek kontroluje samo a nízký kredit hlásí na servisní čísla.</source>
            <translation>Zjišťování zůstatku předplacené SIM karty. Když je vyplněn jen USSD příkaz, lze zůstatek zjistit SMS příkazem „CRD“. Když jsou vyplněna všechna pole, zařízení zůstatek kontroluje samo a nízký kredit hlásí na servisní čísla.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes">
            <location filename="../resources/RV23.json"/>
            <source>Kódy periférií</source>
            <translation>Kódy periférií</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes.lina">
            <location filename="../resources/RV23.json"/>
            <source>Vstup A</source>
            <translation>Vstup A</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes.lina.leina.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Periférie přiřazená ke vstupu A. Učicí kód bezdrátové periférie: 14 číslic, začíná 110000. Prázdné pole periférii odebere.</source>
            <translation>Periférie přiřazená ke vstupu A. Učicí kód bezdrátové periférie: 14 číslic, začíná 110000. Prázdné pole periférii odebere.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes.linb">
            <location filename="../resources/RV23.json"/>
            <source>Vstup B</source>
            <translation>Vstup B</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes.linb.leinb.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Periférie přiřazená ke vstupu B. Učicí kód bezdrátové periférie: 14 číslic, začíná 110000. Prázdné pole periférii odebere.</source>
            <translation>Periférie přiřazená ke vstupu B. Učicí kód bezdrátové periférie: 14 číslic, začíná 110000. Prázdné pole periférii odebere.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes.linc">
            <location filename="../resources/RV23.json"/>
            <source>Vstup C</source>
            <translation>Vstup C</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes.linc.leinc.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Periférie přiřazená ke vstupu C. Učicí kód bezdrátové periférie: 14 číslic, začíná 110000. Prázdné pole periférii odebere.</source>
            <translation>Periférie přiřazená ke vstupu C. Učicí kód bezdrátové periférie: 14 číslic, začíná 110000. Prázdné pole periférii odebere.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes.lind">
            <location filename="../resources/RV23.json"/>
            <source>Vstup D</source>
            <translation>Vstup D</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes.lind.leind.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Periférie přiřazená ke vstupu D. Učicí kód bezdrátové periférie: 14 číslic, začíná 110000. Prázdné pole periférii odebere.</source>
            <translation>Periférie přiřazená ke vstupu D. Učicí kód bezdrátové periférie: 14 číslic, začíná 110000. Prázdné pole periférii odebere.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes.loutx">
            <location filename="../resources/RV23.json"/>
            <source>Výstup X</source>
            <translation>Výstup X</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes.loutx.leoutx1.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Periférie 1 ovládající výstup X (nejvýše čtyři). Učicí kód bezdrátové periférie: 14 číslic, začíná 110000. Prázdné pole periférii odebere.</source>
            <translation>Periférie 1 ovládající výstup X (nejvýše čtyři). Učicí kód bezdrátové periférie: 14 číslic, začíná 110000. Prázdné pole periférii odebere.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes.loutx.leoutx2.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Periférie 2 ovládající výstup X (nejvýše čtyři). Učicí kód bezdrátové periférie: 14 číslic, začíná 110000. Prázdné pole periférii odebere.</source>
            <translation>Periférie 2 ovládající výstup X (nejvýše čtyři). Učicí kód bezdrátové periférie: 14 číslic, začíná 110000. Prázdné pole periférii odebere.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes.loutx.leoutx3.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Periférie 3 ovládající výstup X (nejvýše čtyři). Učicí kód bezdrátové periférie: 14 číslic, začíná 110000. Prázdné pole periférii odebere.</source>
            <translation>Periférie 3 ovládající výstup X (nejvýše čtyři). Učicí kód bezdrátové periférie: 14 číslic, začíná 110000. Prázdné pole periférii odebere.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes.loutx.leoutx4.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Periférie 4 ovládající výstup X (nejvýše čtyři). Učicí kód bezdrátové periférie: 14 číslic, začíná 110000. Prázdné pole periférii odebere.</source>
            <translation>Periférie 4 ovládající výstup X (nejvýše čtyři). Učicí kód bezdrátové periférie: 14 číslic, začíná 110000. Prázdné pole periférii odebere.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes.louty">
            <location filename="../resources/RV23.json"/>
            <source>Výstup Y</source>
            <translation>Výstup Y</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes.louty.leouty1.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Periférie 1 ovládající výstup Y (nejvýše čtyři). Učicí kód bezdrátové periférie: 14 číslic, začíná 110000. Prázdné pole periférii odebere.</source>
            <translation>Periférie 1 ovládající výstup Y (nejvýše čtyři). Učicí kód bezdrátové periférie: 14 číslic, začíná 110000. Prázdné pole periférii odebere.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes.louty.leouty2.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Periférie 2 ovládající výstup Y (nejvýše čtyři). Učicí kód bezdrátové periférie: 14 číslic, začíná 110000. Prázdné pole periférii odebere.</source>
            <translation>Periférie 2 ovládající výstup Y (nejvýše čtyři). Učicí kód bezdrátové periférie: 14 číslic, začíná 110000. Prázdné pole periférii odebere.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes.louty.leouty3.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Periférie 3 ovládající výstup Y (nejvýše čtyři). Učicí kód bezdrátové periférie: 14 číslic, začíná 110000. Prázdné pole periférii odebere.</source>
            <translation>Periférie 3 ovládající výstup Y (nejvýše čtyři). Učicí kód bezdrátové periférie: 14 číslic, začíná 110000. Prázdné pole periférii odebere.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes.louty.leouty4.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Periférie 4 ovládající výstup Y (nejvýše čtyři). Učicí kód bezdrátové periférie: 14 číslic, začíná 110000. Prázdné pole periférii odebere.</source>
            <translation>Periférie 4 ovládající výstup Y (nejvýše čtyři). Učicí kód bezdrátové periférie: 14 číslic, začíná 110000. Prázdné pole periférii odebere.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbdevicecodes.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Bezdrátové periférie přiřazené ke vstupům a výstupům.</source>
            <translation>Bezdrátové periférie přiřazené ke vstupům a výstupům.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsimcard">
            <location filename="../resources/RV23.json"/>
            <source>SIM karta</source>
            <translation>SIM karta</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsimcard.lpin">
            <location filename="../resources/RV23.json"/>
            <source>Programovací kód</source>
            <translation>Programovací kód</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsimcard.lpin.lepin.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Kód, kterým musí začínat každá programovací SMS (nejvýše 8 znaků).</source>
            <translation>Kód, kterým musí začínat každá programovací SMS (nejvýše 8 znaků).</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsimcard.lservicenumber">
            <location filename="../resources/RV23.json"/>
            <source>Servisní tel. číslo 1</source>
            <translation>Servisní tel. číslo 1</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsimcard.lservicenumber.leservicenumber.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>První servisní telefonní číslo. Na servisní čísla zařízení hlásí poruchy („POWER START“ po obnovení napájení, „GSM START“ po restartu GSM) a nízký kredit. Jen číslice s případným + na začátku.</source>
            <translation>První servisní telefonní číslo. Na servisní čísla zařízení hlásí poruchy („POWER START“ po obnovení napájení, „GSM START“ po restartu GSM) a nízký kredit. Jen číslice s případným + na začátku.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsimcard.lservicenumber2">
            <location filename="../resources/RV23.json"/>
            <source>Servisní tel. číslo 2</source>
            <translation>Servisní tel. číslo 2</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsimcard.lservicenumber2.leservicenumber2.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Druhé servisní telefonní číslo. Na servisní čísla zařízení hlásí poruchy („POWER START“ po obnovení napájení, „GSM START“ po restartu GSM) a nízký kredit. Jen číslice s případným + na začátku.</source>
            <translation>Druhé servisní telefonní číslo. Na servisní čísla zařízení hlásí poruchy („POWER START“ po obnovení napájení, „GSM START“ po restartu GSM) a nízký kredit. Jen číslice s případným + na začátku.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsimcard.ltextstatussms">
            <location filename="../resources/RV23.json"/>
            <source>Text SMS pro zjištění stavu</source>
            <translation>Text SMS pro zjištění stavu</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsimcard.ltextstatussms.letextstatussms.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Na SMS s tímto textem zařízení odpoví svým stavem, např. „A1, B0, C0, D1, X0, Y1, GSM 8“ (vstupy, výstupy a síla signálu). Nejvýše 30 znaků bez čárek a teček; na velikosti písmen nezáleží, diakritiku raději nepoužívejte.</source>
            <translation>Na SMS s tímto textem zařízení odpoví svým stavem, např. „A1, B0, C0, D1, X0, Y1, GSM 8“ (vstupy, výstupy a síla signálu). Nejvýše 30 znaků bez čárek a teček; na velikosti písmen nezáleží, diakritiku raději nepoužívejte.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsimcard.pbresetgsm">
            <location filename="../resources/RV23.json"/>
            <source>Reset GSM</source>
            <translation>Reset GSM</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsimcard.pbresetgsm.label">
            <location filename="../resources/RV23.json"/>
            <source>Resetovat GSM</source>
            <translation>Resetovat GSM</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsimcard.pbresetgsm.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Restartuje GSM modul zařízení. Dostupné jen s připojeným zařízením.</source>
            <translation>Restartuje GSM modul zařízení. Dostupné jen s připojeným zařízením.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsimcard.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Nastavení práce se SIM kartou a servisní čísla.</source>
            <translation>Nastavení práce se SIM kartou a servisní čísla.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsmsreport">
            <location filename="../resources/RV23.json"/>
            <source>Servisní SMS hlášení</source>
            <translation>Servisní SMS hlášení</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsmsreport.l24hcheckcall">
            <location filename="../resources/RV23.json"/>
            <source>Kontrolní zavolání servisního čísla každých 24h</source>
            <translation>Kontrolní zavolání servisního čísla každých 24h</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsmsreport.l24hcheckcall.cb24hcheckcall.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Jednou za 24 hodin zařízení prozvoní servisní číslo na důkaz, že pracuje.</source>
            <translation>Jednou za 24 hodin zařízení prozvoní servisní číslo na důkaz, že pracuje.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsmsreport.lbypasswirelessdevice">
            <location filename="../resources/RV23.json"/>
            <source>Blokování přiřazeného bezdrátového prvku</source>
            <translation>Blokování přiřazeného bezdrátového prvku</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsmsreport.lbypasswirelessdevice.cblbypasswirelessdevice.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Aktivní svorka vstupu zablokuje bezdrátovou periférii přiřazenou k tomuto vstupu.</source>
            <translation>Aktivní svorka vstupu zablokuje bezdrátovou periférii přiřazenou k tomuto vstupu.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsmsreport.lconfirmrelayactivitybyring">
            <location filename="../resources/RV23.json"/>
            <source>Potvrzovat sepnutí a vypnutí relé prozvoněním</source>
            <translation>Potvrzovat sepnutí a vypnutí relé prozvoněním</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsmsreport.lconfirmrelayactivitybyring.cbconfirmrelayactivitybyring.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Sepnutí nebo vypnutí relé prozvoněním potvrdí zařízení zpětnou SMS.</source>
            <translation>Sepnutí nebo vypnutí relé prozvoněním potvrdí zařízení zpětnou SMS.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsmsreport.lconfirmrelayactivitybysms">
            <location filename="../resources/RV23.json"/>
            <source>Potvrzovat sepnutí a vypnutí relé SMSkou</source>
            <translation>Potvrzovat sepnutí a vypnutí relé SMSkou</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsmsreport.lconfirmrelayactivitybysms.cbconfirmrelayactivitybysms.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Sepnutí nebo vypnutí relé SMS příkazem potvrdí zařízení zpětnou SMS.</source>
            <translation>Sepnutí nebo vypnutí relé SMS příkazem potvrdí zařízení zpětnou SMS.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsmsreport.llimit10sms">
            <location filename="../resources/RV23.json"/>
            <source>Max. 10 SMS za 15min</source>
            <translation>Max. 10 SMS za 15min</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsmsreport.llimit10sms.cblimit10sms.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Po odeslání 10 SMS během 15 minut zařízení další SMS na 60 minut zablokuje.</source>
            <translation>Po odeslání 10 SMS během 15 minut zařízení další SMS na 60 minut zablokuje.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsmsreport.lsendsmscopy">
            <location filename="../resources/RV23.json"/>
            <source>Poslat kopii odeslaných SMS na servisní číslo</source>
            <translation>Poslat kopii odeslaných SMS na servisní číslo</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsmsreport.lsendsmscopy.cbsendsmscopy.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Kopii každé odeslané SMS pošle také na servisní číslo.</source>
            <translation>Kopii každé odeslané SMS pošle také na servisní číslo.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsmsreport.lsmsreportforwardsms">
            <location filename="../resources/RV23.json"/>
            <source>Přeposlat nesrozumitelnou SMS na servisní číslo</source>
            <translation>Přeposlat nesrozumitelnou SMS na servisní číslo</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsmsreport.lsmsreportforwardsms.cbsmsreportforwardsms.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>SMS, které zařízení nerozumí, přepošle na servisní čísla.</source>
            <translation>SMS, které zařízení nerozumí, přepošle na servisní čísla.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.gbsmsreport.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Co zařízení hlásí na servisní čísla a jak potvrzuje ovládání relé.</source>
            <translation>Co zařízení hlásí na servisní čísla a jak potvrzuje ovládání relé.</translation>
        </message>
        <message id="app.rv-23.topitem.settings.label">
            <location filename="../resources/RV23.json"/>
            <source>Nastavení</source>
            <translation>Nastavení</translation>
        </message>
        <message id="app.rv-23.topitem.settings.tooltip">
            <location filename="../resources/RV23.json"/>
            <source>Bezdrátové periférie, SIM karta, hlídání kreditu a servisní hlášení.</source>
            <translation>Bezdrátové periférie, SIM karta, hlídání kreditu a servisní hlášení.</translation>
        </message>
        <message id="app.rv-23k.settings.permanent">
            <location filename="../pages/outputs.cpp"/>
            <source></source>
            <translation>Trvale sepnuto</translation>
        </message>
        <message id="app.rv23.badsmsformat">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>SMS má chybný formát.</translation>
        </message>
        <message id="app.rv23.communicationerror">
            <location filename="../module/rv_23.cpp"/>
            <source>Communication with the unit failed.</source>
            <translation>Komunikace se zařízením selhala. Zkontrolujte připojení USB a připojte se znovu.</translation>
        </message>
        <message id="app.rv23.configuration.error">
            <location filename="../module/pageassembly.cpp"/>
            <source>The page description of the module cannot be read.</source>
            <translation>Popis stránek modulu nelze načíst.</translation>
        </message>
        <message id="app.rv23.configuration.importfailed">
            <location filename="../module/pageassembly.cpp"/>
            <source>The file cannot be imported: its content does not match the chosen file type.</source>
            <translation>Soubor nelze importovat: jeho obsah neodpovídá zvolenému typu souboru.</translation>
        </message>
        <message id="app.rv23.configuration.unabletosavepleasefix">
            <location filename="../module/orchestration.cpp"/>
            <source>The configuration cannot be saved. Please correct the values marked in red.</source>
            <translation>Konfiguraci nelze uložit. Opravte prosím hodnoty označené červeně.</translation>
        </message>
        <message id="app.rv23.devicenotrespondig">
            <location filename="../module/rv_23.cpp"/>
            <source>The unit does not respond.</source>
            <translation>Zařízení neodpovídá. Zkontrolujte připojení a zkuste to znovu.</translation>
        </message>
        <message id="app.rv23.err.badsmsformat">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>Zařízení příkaz odmítlo: některá hodnota má chybný formát, je příliš dlouhá nebo je mimo rozsah.</translation>
        </message>
        <message id="app.rv23.err.commandmismatch">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>Příkaz neodpovídá tomu, co zařízení očekává.</translation>
        </message>
        <message id="app.rv23.err.creditqueryerror">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>Dotaz na kredit se nezdařil. Zkontrolujte USSD příkaz.</translation>
        </message>
        <message id="app.rv23.err.emptysms">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>SMS je prázdná.</translation>
        </message>
        <message id="app.rv23.err.entrynotfound">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>Zařízení položku nenašlo (například telefonní číslo, které se má smazat).</translation>
        </message>
        <message id="app.rv23.err.gsmbussy">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>GSM modem je zaneprázdněn. Zkuste to prosím za chvíli znovu.</translation>
        </message>
        <message id="app.rv23.err.hwproblem">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>Zařízení hlásí poruchu hardwaru.</translation>
        </message>
        <message id="app.rv23.err.initializationfailed">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>Inicializace zařízení se nezdařila.</translation>
        </message>
        <message id="app.rv23.err.memoryerror">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>Zařízení hlásí chybu paměti.</translation>
        </message>
        <message id="app.rv23.err.nospacetosave">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>V zařízení už není místo pro uložení (příliš mnoho telefonních čísel nebo kódů).</translation>
        </message>
        <message id="app.rv23.err.resendingtosamenumber">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>Zařízení neposílá zprávu zpět na číslo, ze kterého přišla.</translation>
        </message>
        <message id="app.rv23.err.rfnotinstalled">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>V zařízení není nainstalován bezdrátový modul.</translation>
        </message>
        <message id="app.rv23.err.savingfailed">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>Zařízení se nepodařilo nastavení uložit.</translation>
        </message>
        <message id="app.rv23.err.simerror">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>Chyba SIM karty. Zkontrolujte, zda je SIM karta správně vložena.</translation>
        </message>
        <message id="app.rv23.err.smserror">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>Zařízení nemohlo SMS zpracovat.</translation>
        </message>
        <message id="app.rv23.err.smsnotsendlimiteractive">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>SMS nebyla odeslána: je aktivní omezení na 10 SMS za 15 minut.</translation>
        </message>
        <message id="app.rv23.err.unabletosendsms">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>Zařízení nemůže SMS odeslat.</translation>
        </message>
        <message id="app.rv23.err.unsupportedascii">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>Text obsahuje znaky, které zařízení nepodporuje. Používejte písmena bez diakritiky, číslice a běžná interpunkční znaménka.</translation>
        </message>
        <message id="app.rv23.err.wrongcommand">
            <location filename="../module/rv_23.cpp"/>
            <source></source>
            <translation>Zařízení příkaz nezná.</translation>
        </message>
        <message id="app.rv23.event.30mpowerfailure">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Výpadek napájení delší než 30 minut</translation>
        </message>
        <message id="app.rv23.event.activationa">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Aktivace vstupu A</translation>
        </message>
        <message id="app.rv23.event.activationb">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Aktivace vstupu B</translation>
        </message>
        <message id="app.rv23.event.activationc">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Aktivace vstupu C</translation>
        </message>
        <message id="app.rv23.event.activationd">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Aktivace vstupu D</translation>
        </message>
        <message id="app.rv23.event.activationx">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Sepnutí relé X</translation>
        </message>
        <message id="app.rv23.event.activationy">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Sepnutí relé Y</translation>
        </message>
        <message id="app.rv23.event.alarm">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Poplach</translation>
        </message>
        <message id="app.rv23.event.alarmpowerrestoration">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Poplach: obnovení napájení</translation>
        </message>
        <message id="app.rv23.event.arm">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Zastřežení</translation>
        </message>
        <message id="app.rv23.event.dailyservicecall">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Kontrolní zavolání servisního čísla</translation>
        </message>
        <message id="app.rv23.event.deactivationa">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Deaktivace vstupu A</translation>
        </message>
        <message id="app.rv23.event.deactivationb">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Deaktivace vstupu B</translation>
        </message>
        <message id="app.rv23.event.deactivationc">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Deaktivace vstupu C</translation>
        </message>
        <message id="app.rv23.event.deactivationd">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Deaktivace vstupu D</translation>
        </message>
        <message id="app.rv23.event.deactivationx">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Vypnutí relé X</translation>
        </message>
        <message id="app.rv23.event.deactivationy">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Vypnutí relé Y</translation>
        </message>
        <message id="app.rv23.event.devicereset">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Reset zařízení</translation>
        </message>
        <message id="app.rv23.event.disarm">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Odstřežení</translation>
        </message>
        <message id="app.rv23.event.gsmerror">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Porucha GSM</translation>
        </message>
        <message id="app.rv23.event.gsmrestoration">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Obnovení GSM</translation>
        </message>
        <message id="app.rv23.event.pcchange">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Změna nastavení z PC</translation>
        </message>
        <message id="app.rv23.event.pcused">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Připojení k PC</translation>
        </message>
        <message id="app.rv23.event.peripheralbatteryfailure">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Slabá baterie bezdrátové periférie</translation>
        </message>
        <message id="app.rv23.event.peripheralloss">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Ztráta spojení s bezdrátovou periférií</translation>
        </message>
        <message id="app.rv23.event.phoneerased">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Smazání telefonního čísla</translation>
        </message>
        <message id="app.rv23.event.powerfailure">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Výpadek napájení</translation>
        </message>
        <message id="app.rv23.event.poweron">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Zapnutí zařízení</translation>
        </message>
        <message id="app.rv23.event.powerrestoration">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Obnovení napájení</translation>
        </message>
        <message id="app.rv23.event.smslimitreached">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Dosažen limit SMS (10 SMS za 15 minut)</translation>
        </message>
        <message id="app.rv23.event.smslimitrestored">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Odesílání SMS opět povoleno</translation>
        </message>
        <message id="app.rv23.event.source.dtmfxoff">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>DTMF kód vypnutí relé X</translation>
        </message>
        <message id="app.rv23.event.source.dtmfxon">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>DTMF kód sepnutí relé X</translation>
        </message>
        <message id="app.rv23.event.source.dtmfyoff">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>DTMF kód vypnutí relé Y</translation>
        </message>
        <message id="app.rv23.event.source.dtmfyon">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>DTMF kód sepnutí relé Y</translation>
        </message>
        <message id="app.rv23.event.source.inputaphone">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translatorcomment>Followed directly by the row of the phone number (1 to 8): keep the trailing space.</translatorcomment>
            <translation>Vstup A, tel. č. </translation>
        </message>
        <message id="app.rv23.event.source.inputbphone">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translatorcomment>Followed directly by the row of the phone number (1 to 8): keep the trailing space.</translatorcomment>
            <translation>Vstup B, tel. č. </translation>
        </message>
        <message id="app.rv23.event.source.inputcphone">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translatorcomment>Followed directly by the row of the phone number (1 to 8): keep the trailing space.</translatorcomment>
            <translation>Vstup C, tel. č. </translation>
        </message>
        <message id="app.rv23.event.source.inputdphone">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translatorcomment>Followed directly by the row of the phone number (1 to 8): keep the trailing space.</translatorcomment>
            <translation>Vstup D, tel. č. </translation>
        </message>
        <message id="app.rv23.event.source.outputxphone">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translatorcomment>Followed directly by the row of the phone number (1 to 50): keep the trailing space.</translatorcomment>
            <translation>Výstup X, tel. č. </translation>
        </message>
        <message id="app.rv23.event.source.outputyphone">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translatorcomment>Followed directly by the row of the phone number (1 to 50): keep the trailing space.</translatorcomment>
            <translation>Výstup Y, tel. č. </translation>
        </message>
        <message id="app.rv23.event.source.phone">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Telefon</translation>
        </message>
        <message id="app.rv23.event.source.service1">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Servisní číslo 1</translation>
        </message>
        <message id="app.rv23.event.source.service2">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Servisní číslo 2</translation>
        </message>
        <message id="app.rv23.event.source.unknown">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translatorcomment>Followed by a space and the source number.</translatorcomment>
            <translation>Neznámý zdroj</translation>
        </message>
        <message id="app.rv23.event.source.wirelessperipheral">
            <location filename="../history/eventtranslator.cpp"/>
            <source></source>
            <translation>Bezdrátová periférie</translation>
        </message>
        <message id="app.rv23.events.clearing">
            <location filename="../module/orchestration.cpp"/>
            <source>Clearing the event log...</source>
            <translation>Mazání historie událostí...</translation>
        </message>
        <message id="app.rv23.events.info">
            <location filename="../pages/events.cpp"/>
            <source></source>
            <translation>Historie událostí uložená v zařízení, od nejstarší. Tlačítko Znovu načíst události ji přečte znovu.</translation>
        </message>
        <message id="app.rv23.events.loading">
            <location filename="../module/orchestration.cpp"/>
            <source>Reading the event log...</source>
            <translation>Načítání historie událostí...</translation>
        </message>
        <message id="app.rv23.events.reload">
            <location filename="../pages/events.cpp"/>
            <source></source>
            <translation>Znovu načíst události</translation>
        </message>
        <message id="app.rv23.filetype.portalform">
            <location filename="../module/configuration.cpp"/>
            <source>Web portal form</source>
            <translation>Formulář webového portálu</translation>
        </message>
        <message id="app.rv23.filetype.rv23ksettings">
            <location filename="../module/configuration.cpp"/>
            <source>RV-23 settings</source>
            <translation>Nastavení RV-23</translation>
        </message>
        <message id="app.rv23.firmware.unsupporteddoupdate">
            <location filename="../module/rv_23.cpp"/>
            <source>The unit's firmware is not supported. Upgrade it now?</source>
            <translation>Firmware zařízení není podporován. Chcete jej nyní aktualizovat?</translation>
        </message>
        <message id="app.rv23.firmware.updatefailed">
            <location filename="../module/firmwareupdate.cpp"/>
            <source>The firmware upgrade failed.</source>
            <translation>Aktualizace firmwaru se nezdařila.</translation>
        </message>
        <message id="app.rv23.firmware.upgrading">
            <location filename="../module/firmwareupdate.cpp"/>
            <source>Upgrading the unit's firmware...</source>
            <translation>Aktualizace firmwaru zařízení...</translation>
        </message>
        <message id="app.rv23.information.info">
            <location filename="../pages/informations.cpp"/>
            <source></source>
            <translation>Údaje o připojeném zařízení. Operátor, GSM signál a napětí se zobrazují v rozšířeném zobrazení.</translation>
        </message>
        <message id="app.rv23.inputs.info">
            <location filename="../pages/inputs.cpp"/>
            <source></source>
            <translation>Co který vstup hlásí SMS a zavoláním a na která čísla. Vstup je aktivní, když je jeho svorka spojena se zemí.</translation>
        </message>
        <message id="app.rv23.io.active">
            <location filename="../module/pageassembly.cpp"/>
            <source>active</source>
            <translation>Aktivní</translation>
        </message>
        <message id="app.rv23.io.inactive">
            <location filename="../module/pageassembly.cpp"/>
            <source>inactive</source>
            <translation>Neaktivní</translation>
        </message>
        <message id="app.rv23.io.off">
            <location filename="../link/memorymap.cpp"/>
            <location filename="../module/pageassembly.cpp"/>
            <source>off</source>
            <translation>Vypnuto</translation>
        </message>
        <message id="app.rv23.io.on">
            <location filename="../link/memorymap.cpp"/>
            <location filename="../module/pageassembly.cpp"/>
            <source>on</source>
            <translation>Sepnuto</translation>
        </message>
        <message id="app.rv23.outputs.info">
            <location filename="../pages/outputs.cpp"/>
            <source></source>
            <translation>Jak se relé ovládají: texty SMS, kódy DTMF, doba sepnutí a čísla oprávněná k ovládání prozvoněním.</translation>
        </message>
        <message id="app.rv23.saveas">
            <location filename="../module/orchestration.cpp"/>
            <source>Save as</source>
            <translation>Uložit jako</translation>
        </message>
        <message id="app.rv23.settings.export">
            <location filename="../module/orchestration.cpp"/>
            <source>Exporting the settings...</source>
            <translation>Export nastavení...</translation>
        </message>
        <message id="app.rv23.settings.info">
            <location filename="../pages/settings.cpp"/>
            <source></source>
            <translation>Bezdrátové periférie, SIM karta, hlídání kreditu a servisní hlášení.</translation>
        </message>
        <message id="app.save">
            <location filename="../framework/widget.cpp"/>
            <location filename="../framework/widget.ui"/>
            <source>Save</source>
            <translation>Uložit</translation>
        </message>
        <message id="app.warning">
            <location filename="../module/messages.cpp"/>
            <source>Warning</source>
            <translation>Upozornění</translation>
        </message>
        <message id="err.errno">
            <location filename="../module/rv_23.cpp"/>
            <source>The unit reported error</source>
            <translatorcomment>Message box text, followed by a space and the error number the unit reported.</translatorcomment>
            <translation>Zařízení hlásí chybu</translation>
        </message>
    </context>
</TS>
