<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>Praxon::ClearingCheck</name>
    <message>
        <source>the programming code</source>
        <translation>programovací kód</translation>
    </message>
    <message>
        <source>the service numbers</source>
        <translation>servisní čísla</translation>
    </message>
    <message>
        <source>the phone tables</source>
        <translation>telefonní seznamy</translation>
    </message>
    <message>
        <source>the peripheral codes</source>
        <translation>kódy periferií</translation>
    </message>
    <message>
        <source>The file would clear 1 setting</source>
        <translation>Soubor by vymazal 1 nastavení</translation>
    </message>
    <message>
        <source>The file would clear %1 settings</source>
        <translation>Soubor by vymazal %1 nastavení</translation>
    </message>
    <message>
        <source>, among them %1</source>
        <translation>, mezi nimi %1</translation>
    </message>
</context>
<context>
    <name>Praxon::ConfigurationSheet</name>
    <message>
        <source>Configuration sheet</source>
        <translation>Konfigurační list</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Jednotka</translation>
    </message>
    <message>
        <source>IMEI</source>
        <translation>IMEI</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>%1 (behaviour version %2)</source>
        <translation>%1 (verze chování %2)</translation>
    </message>
    <message>
        <source>Site note</source>
        <translation>Poznámka k místu</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfigurace</translation>
    </message>
    <message>
        <source>version %1 of %2</source>
        <translation>verze %1 z %2</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ano</translation>
    </message>
    <message>
        <source>no</source>
        <translation>ne</translation>
    </message>
    <message>
        <source>none</source>
        <translation>žádná</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nic)</translation>
    </message>
    <message>
        <source>Changes from the previous version</source>
        <translation>Změny oproti předchozí verzi</translation>
    </message>
    <message>
        <source>This is the first version stored for the unit.</source>
        <translation>Toto je první verze uložená pro jednotku.</translation>
    </message>
    <message>
        <source>No setting changed from version %1.</source>
        <translation>Oproti verzi %1 se žádné nastavení nezměnilo.</translation>
    </message>
    <message>
        <source>Against version %1 of %2:</source>
        <translation>Oproti verzi %1 z %2:</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Předtím</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Potom</translation>
    </message>
    <message>
        <source>Configuration sheet of unit %1</source>
        <translation>Konfigurační list jednotky %1</translation>
    </message>
    <message>
        <source>The configuration sheet could not be written to %1</source>
        <translation>Konfigurační list nelze zapsat do %1</translation>
    </message>
</context>
<context>
    <name>Praxon::HostSession</name>
    <message>
        <source>What the unit holds could not be kept in the unit records: %1</source>
        <translation>Obsah jednotky nelze uložit do záznamů o jednotkách: %1</translation>
    </message>
    <message>
        <source>A module is loaded already</source>
        <translation>Modul je už načten</translation>
    </message>
    <message>
        <source>No device module found (set RV23_PLUGIN or use --plugin)</source>
        <translation>Modul zařízení nebyl nalezen (nastavte RV23_PLUGIN nebo použijte --plugin)</translation>
    </message>
    <message>
        <source>No device module at %1</source>
        <translation>V %1 není modul zařízení</translation>
    </message>
    <message>
        <source>Cannot load the device module %1: %2</source>
        <translation>Modul zařízení %1 nelze načíst: %2</translation>
    </message>
    <message>
        <source>%1 is not a device module</source>
        <translation>%1 není modul zařízení</translation>
    </message>
    <message>
        <source>No device module is loaded</source>
        <translation>Není načten žádný modul zařízení</translation>
    </message>
    <message>
        <source>The device module %1 %2 cannot be used: it has no pages</source>
        <translation>Modul zařízení %1 %2 nelze použít: nemá žádné stránky</translation>
    </message>
    <message>
        <source>The device module was not started</source>
        <translation>Modul zařízení nebyl spuštěn</translation>
    </message>
    <message>
        <source>Cannot connect to the unit %1</source>
        <translation>K jednotce %1 se nelze připojit</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Soubor %1 nelze přečíst: %2</translation>
    </message>
    <message>
        <source>The device module cannot edit a configuration without a unit</source>
        <translation>Modul zařízení neumí upravovat konfiguraci bez jednotky</translation>
    </message>
    <message>
        <source>No unit is connected</source>
        <translation>Není připojena žádná jednotka</translation>
    </message>
    <message>
        <source>The configuration could not be loaded</source>
        <translation>Konfiguraci se nepodařilo načíst</translation>
    </message>
    <message>
        <source>The module did not hand over a configuration to save</source>
        <translation>Modul nepředal žádnou konfiguraci k uložení</translation>
    </message>
    <message>
        <source>The unit did not take every change; the configuration is kept in %1</source>
        <translation>Jednotka nepřevzala všechny změny; konfigurace zůstává uložena v %1</translation>
    </message>
    <message>
        <source>No unit is connected to save the configuration for</source>
        <translation>Není připojena jednotka, pro kterou by se konfigurace uložila</translation>
    </message>
    <message>
        <source>The device module cannot read the event log on request</source>
        <translation>Modul zařízení neumí na požádání přečíst historii událostí</translation>
    </message>
    <message>
        <source>The link to the unit was lost</source>
        <translation>Spojení s jednotkou bylo ztraceno</translation>
    </message>
    <message>
        <source>The unit&apos;s event log could not be read</source>
        <translation>Historii událostí jednotky se nepodařilo přečíst</translation>
    </message>
    <message>
        <source>The module reads no saved settings</source>
        <translation>Modul nenačítá uložená nastavení</translation>
    </message>
    <message>
        <source>The unit&apos;s event records could not be kept: the module exported none</source>
        <translation>Záznamy událostí jednotky nelze uchovat: modul žádné nevyexportoval</translation>
    </message>
    <message>
        <source>The unit&apos;s event records could not be kept in the unit records: %1</source>
        <translation>Záznamy událostí jednotky nelze uchovat v záznamech o jednotkách: %1</translation>
    </message>
    <message>
        <source>The file&apos;s configuration could not be kept in the unit records: %1</source>
        <translation>Konfiguraci ze souboru nelze uchovat v záznamech o jednotkách: %1</translation>
    </message>
</context>
<context>
    <name>Praxon::IoIndicator</name>
    <message>
        <source>on</source>
        <translation>zapnuto</translation>
    </message>
    <message>
        <source>active</source>
        <translation>aktivní</translation>
    </message>
    <message>
        <source>off</source>
        <translation>vypnuto</translation>
    </message>
    <message>
        <source>inactive</source>
        <translation>neaktivní</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>neznámý</translation>
    </message>
    <message>
        <source>Output %1: %2</source>
        <translation>Výstup %1: %2</translation>
    </message>
    <message>
        <source>Input %1: %2</source>
        <translation>Vstup %1: %2</translation>
    </message>
</context>
<context>
    <name>Praxon::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <source>&amp;Unit</source>
        <translation>&amp;Jednotka</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Jazyk</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Jednotka</translation>
    </message>
    <message>
        <source>&amp;Connect...</source>
        <translation>&amp;Připojit...</translation>
    </message>
    <message>
        <source>Search for units and connect to one</source>
        <translation>Vyhledat jednotky a připojit se k jedné z nich</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Odpojit</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Znovu načíst</translation>
    </message>
    <message>
        <source>Read the unit&apos;s configuration again</source>
        <translation>Znovu přečíst konfiguraci jednotky</translation>
    </message>
    <message>
        <source>&amp;Open saved file for offline editing...</source>
        <translation>&amp;Otevřít uložený soubor k úpravám bez jednotky...</translation>
    </message>
    <message>
        <source>&amp;Import settings...</source>
        <translation>&amp;Importovat nastavení...</translation>
    </message>
    <message>
        <source>&amp;Export settings...</source>
        <translation>&amp;Exportovat nastavení...</translation>
    </message>
    <message>
        <source>Export &amp;history...</source>
        <translation>Exportovat &amp;historii...</translation>
    </message>
    <message>
        <source>Check &amp;firmware</source>
        <translation>Zkontrolovat &amp;firmware</translation>
    </message>
    <message>
        <source>&amp;Upgrade firmware...</source>
        <translation>&amp;Aktualizovat firmware...</translation>
    </message>
    <message>
        <source>Save &amp;diagnostic log...</source>
        <translation>Uložit &amp;diagnostický záznam...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>Connected to unit %1</source>
        <translation>Připojeno k jednotce %1</translation>
    </message>
    <message>
        <source>Offline: %1</source>
        <translation>Bez jednotky: %1</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nepřipojeno</translation>
    </message>
    <message>
        <source>Praxon - RV-23 %1</source>
        <translation>Praxon - RV-23 %1</translation>
    </message>
    <message>
        <source>Praxon</source>
        <translation>Praxon</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Neuložené změny</translation>
    </message>
    <message>
        <source>The configuration has changes that were not saved. Drop them?</source>
        <translation>Konfigurace obsahuje neuložené změny. Zahodit je?</translation>
    </message>
    <message>
        <source>The configuration could not be loaded.</source>
        <translation>Konfiguraci se nepodařilo načíst.</translation>
    </message>
    <message>
        <source>The unit differs from the configuration stored for it; the stored one is not saved to the unit yet.</source>
        <translation>Jednotka se liší od konfigurace pro ni uložené; uložená konfigurace ještě není v jednotce.</translation>
    </message>
    <message>
        <source>Configuration saved</source>
        <translation>Konfigurace uložena</translation>
    </message>
    <message>
        <source>Open saved settings</source>
        <translation>Otevřít uložené nastavení</translation>
    </message>
    <message>
        <source>RV-23 settings (%1)</source>
        <translation>Nastavení RV-23 (%1)</translation>
    </message>
    <message>
        <source>Import settings</source>
        <translation>Importovat nastavení</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Soubor %1 nelze přečíst: %2</translation>
    </message>
    <message>
        <source>Export settings</source>
        <translation>Exportovat nastavení</translation>
    </message>
    <message>
        <source>The module handed over no configuration to export.</source>
        <translation>Modul nepředal žádnou konfiguraci k exportu.</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>The unit&apos;s firmware is up to date.</source>
        <translation>Firmware jednotky je aktuální.</translation>
    </message>
    <message>
        <source>Firmware file</source>
        <translation>Soubor s firmwarem</translation>
    </message>
    <message>
        <source>Firmware (*.dwl);;All files (*)</source>
        <translation>Firmware (*.dwl);;Všechny soubory (*)</translation>
    </message>
    <message>
        <source>Firmware upgraded</source>
        <translation>Firmware aktualizován</translation>
    </message>
    <message>
        <source>Save diagnostic log</source>
        <translation>Uložit diagnostický záznam</translation>
    </message>
    <message>
        <source>Log files (*.log);;All files (*)</source>
        <translation>Záznamy (*.log);;Všechny soubory (*)</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Soubor %1 nelze zapsat: %2</translation>
    </message>
    <message>
        <source>%1: written %2, the unit holds %3</source>
        <translation>%1: zapsáno %2, jednotka má %3</translation>
    </message>
    <message>
        <source>The unit did not take these settings:
%1</source>
        <translation>Jednotka nepřijala tato nastavení:
%1</translation>
    </message>
    <message>
        <source>Keep these changes?</source>
        <translation>Ponechat tyto změny?</translation>
    </message>
    <message>
        <source>Cannot export to %1: the file must end in .rv23 (saved settings) or name one of: %2</source>
        <translation>Do %1 nelze exportovat: soubor musí mít příponu .rv23 (uložená nastavení) nebo odpovídat jednomu z typů: %2</translation>
    </message>
    <message>
        <source>The module wrote nothing to %1</source>
        <translation>Modul do %1 nic nezapsal</translation>
    </message>
    <message>
        <source>The module offers another firmware version for the unit. Choose an image to upload?</source>
        <translation>Modul nabízí pro jednotku jinou verzi firmwaru. Vybrat obraz k nahrání?</translation>
    </message>
    <message>
        <source>Warning: the image&apos;s firmware (behaviour version %1) is older than the unit&apos;s (%2). Uploading it is a downgrade. Downgrade now?</source>
        <translation>Pozor: firmware v obrazu (verze chování %1) je starší než firmware jednotky (%2). Nahráním se jednotka vrátí ke starší verzi. Přejít na starší verzi nyní?</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signál</translation>
    </message>
    <message>
        <source>&amp;Print configuration sheet...</source>
        <translation>&amp;Tisknout konfigurační list...</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... a dalších %1</translation>
    </message>
    <message>
        <source>After the firmware upload unit %1 holds other settings than version %2 stored before it:

%3

Write version %2 back to the unit?</source>
        <translation>Po nahrání firmwaru má jednotka %1 jiná nastavení než verze %2 uložená před ním:

%3

Zapsat verzi %2 zpět do jednotky?</translation>
    </message>
    <message>
        <source>No configuration of unit %1 is stored yet.</source>
        <translation>Pro jednotku %1 zatím není uložena žádná konfigurace.</translation>
    </message>
    <message>
        <source>Configuration sheet of unit %1</source>
        <translation>Konfigurační list jednotky %1</translation>
    </message>
    <message>
        <source>U&amp;nits...</source>
        <translation>&amp;Jednotky...</translation>
    </message>
    <message>
        <source>Every unit in the records, and where a number or text is found</source>
        <translation>Všechny jednotky v záznamech a kde se číslo nebo text nachází</translation>
    </message>
    <message>
        <source>Unit &amp;history...</source>
        <translation>&amp;Historie jednotky...</translation>
    </message>
</context>
<context>
    <name>Praxon::SignalLog</name>
    <message>
        <source>none</source>
        <translation>žádný</translation>
    </message>
    <message>
        <source>weak</source>
        <translation>slabý</translation>
    </message>
    <message>
        <source>fair</source>
        <translation>přijatelný</translation>
    </message>
    <message>
        <source>good</source>
        <translation>dobrý</translation>
    </message>
    <message>
        <source>excellent</source>
        <translation>vynikající</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>neznámý</translation>
    </message>
</context>
<context>
    <name>Praxon::SignalPanel</name>
    <message>
        <source>Mark %1</source>
        <translation>Značka %1</translation>
    </message>
    <message>
        <source>Export samples</source>
        <translation>Export vzorků</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Soubor %1 nelze zapsat: %2</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Soubory CSV (*.csv)</translation>
    </message>
    <message>
        <source>waiting for the unit&apos;s next status</source>
        <translation>čeká se na další stav jednotky</translation>
    </message>
    <message>
        <source>Supply %1</source>
        <translation>Napájení %1</translation>
    </message>
    <message>
        <source>samples %1, none on the 0-31 scale</source>
        <translation>vzorků %1, žádný na stupnici 0–31</translation>
    </message>
    <message>
        <source>min %1  mean %2  max %3  samples %4</source>
        <translation>min %1  průměr %2  max %3  vzorků %4</translation>
    </message>
    <message>
        <source>Label of the spot, e.g. roof</source>
        <translation>Označení místa, např. střecha</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Označit</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Export CSV…</translation>
    </message>
</context>
<context>
    <name>Praxon::SignalPlot</name>
    <message>
        <source>-10 min</source>
        <translation>-10 min</translation>
    </message>
    <message>
        <source>-5 min</source>
        <translation>-5 min</translation>
    </message>
    <message>
        <source>now</source>
        <translation>teď</translation>
    </message>
</context>
<context>
    <name>Praxon::UnitDialog</name>
    <message>
        <source>Connect to a unit</source>
        <translation>Připojení k jednotce</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Sériové číslo</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Behaviour version</source>
        <translation>Verze chování</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Search again</source>
        <translation>Hledat znovu</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Připojit</translation>
    </message>
    <message>
        <source>Units found on the serial ports:</source>
        <translation>Jednotky nalezené na sériových portech:</translation>
    </message>
</context>
<context>
    <name>Praxon::UnitHistoryWindow</name>
    <message>
        <source>Version</source>
        <translation>Verze</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Why it was kept</source>
        <translation>Proč byla uložena</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Compared with</source>
        <translation>Porovnávaná verze</translation>
    </message>
    <message>
        <source>Chosen version</source>
        <translation>Zvolená verze</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Obnovit</translation>
    </message>
    <message>
        <source>Unit history: %1</source>
        <translation>Historie jednotky %1</translation>
    </message>
    <message>
        <source>Write the chosen version to the unit</source>
        <translation>Zapsat zvolenou verzi do jednotky</translation>
    </message>
    <message>
        <source>Save &amp;note</source>
        <translation>Uložit &amp;poznámku</translation>
    </message>
    <message>
        <source>Site note:</source>
        <translation>Poznámka k místu:</translation>
    </message>
    <message>
        <source>Compared with:</source>
        <translation>Porovnat s:</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>verze %1</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Událost</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Zdroj</translation>
    </message>
    <message>
        <source>&amp;Versions</source>
        <translation>&amp;Verze</translation>
    </message>
    <message>
        <source>&amp;Event log</source>
        <translation>&amp;Záznam událostí</translation>
    </message>
    <message>
        <source>Every event record read from the unit, also those it no longer holds</source>
        <translation>Všechny záznamy událostí načtené z jednotky, i ty, které už v ní nejsou</translation>
    </message>
</context>
<context>
    <name>Praxon::UnitsWindow</name>
    <message>
        <source>Units</source>
        <translation>Jednotky</translation>
    </message>
    <message>
        <source>Search serial numbers, site notes and settings</source>
        <translation>Hledat ve výrobních číslech, poznámkách k místu a nastaveních</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Výrobní číslo</translation>
    </message>
    <message>
        <source>Site note</source>
        <translation>Poznámka k místu</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Last seen</source>
        <translation>Naposledy viděna</translation>
    </message>
    <message>
        <source>Versions</source>
        <translation>Verze</translation>
    </message>
    <message>
        <source>Found in</source>
        <translation>Nalezeno v</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Hodnota</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verze</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The unit has no serial number to store its configuration under</source>
        <translation>Jednotka nemá sériové číslo, pod kterým by se její konfigurace uložila</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Soubor %1 nelze zapsat: %2</translation>
    </message>
    <message>
        <source>it holds no settings</source>
        <translation>neobsahuje žádná nastavení</translation>
    </message>
    <message>
        <source>%1 at offset %2</source>
        <translation>%1 na pozici %2</translation>
    </message>
    <message>
        <source>The stored configuration %1 is damaged (%2) and could not be set aside; the unit is read as if nothing was stored</source>
        <translation>Uložená konfigurace %1 je poškozená (%2) a nepodařilo se ji odložit; jednotka se načte, jako by nebylo nic uloženo</translation>
    </message>
    <message>
        <source>The stored configuration %1 is damaged (%2); it was set aside as %3 and the unit is read as if nothing was stored</source>
        <translation>Uložená konfigurace %1 je poškozená (%2); byla odložena jako %3 a jednotka se načte, jako by nebylo nic uloženo</translation>
    </message>
    <message>
        <source>The port %1 cannot be opened: %2</source>
        <translation>Port %1 nelze otevřít: %2</translation>
    </message>
    <message>
        <source>The port %1 does not exist</source>
        <translation>Port %1 neexistuje</translation>
    </message>
    <message>
        <source>You may not open the port %1 (permission denied): add yourself to the dialout group (sudo usermod -aG dialout $USER, then log in again) and install the udev rule 60-rv23.rules</source>
        <translation>Nemáte oprávnění otevřít port %1 (přístup odepřen): přidejte se do skupiny dialout (sudo usermod -aG dialout $USER a pak se znovu přihlaste) a nainstalujte pravidlo udev 60-rv23.rules</translation>
    </message>
    <message>
        <source>The port %1 is busy: another program holds it</source>
        <translation>Port %1 je obsazený: používá ho jiný program</translation>
    </message>
    <message>
        <source>Cannot write %1: the folder %2 does not exist</source>
        <translation>Soubor %1 nelze zapsat: složka %2 neexistuje</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a folder</source>
        <translation>Soubor %1 nelze zapsat: je to složka</translation>
    </message>
    <message>
        <source>Cannot write %1: permission denied</source>
        <translation>Soubor %1 nelze zapsat: přístup odepřen</translation>
    </message>
    <message>
        <source>1 field needs fixing</source>
        <translation>1 pole je třeba opravit</translation>
    </message>
    <message>
        <source>%1 fields need fixing</source>
        <translation>Počet polí k opravě: %1</translation>
    </message>
    <message>
        <source>Cannot keep unit records: Qt&apos;s SQLite driver is not installed</source>
        <translation>Záznamy o jednotkách nelze vést: ovladač SQLite pro Qt není nainstalován</translation>
    </message>
    <message>
        <source>Cannot create the folder %1 for the unit records</source>
        <translation>Složku %1 pro záznamy o jednotkách nelze vytvořit</translation>
    </message>
    <message>
        <source>Cannot create the unit records %1: %2</source>
        <translation>Záznamy o jednotkách %1 nelze vytvořit: %2</translation>
    </message>
    <message>
        <source>Cannot make the unit records %1 private: %2</source>
        <translation>Záznamy o jednotkách %1 nelze zpřístupnit jen vlastníkovi: %2</translation>
    </message>
    <message>
        <source>Cannot open the unit records %1: %2</source>
        <translation>Záznamy o jednotkách %1 nelze otevřít: %2</translation>
    </message>
    <message>
        <source>Cannot reach the unit records: Qt&apos;s PostgreSQL driver is not installed</source>
        <translation>Záznamy o jednotkách nejsou dostupné: ovladač PostgreSQL pro Qt není nainstalován</translation>
    </message>
    <message>
        <source>Cannot reach the unit records at %1: %2</source>
        <translation>Záznamy o jednotkách na %1 nejsou dostupné: %2</translation>
    </message>
    <message>
        <source>The unit records %1 are not open</source>
        <translation>Záznamy o jednotkách %1 nejsou otevřené</translation>
    </message>
    <message>
        <source>The unit records %1 refused a request: %2</source>
        <translation>Záznamy o jednotkách %1 odmítly požadavek: %2</translation>
    </message>
    <message>
        <source>The unit records %1 could not be read or written: %2</source>
        <translation>Záznamy o jednotkách %1 nelze číst ani zapisovat: %2</translation>
    </message>
    <message>
        <source>read from the unit</source>
        <translation>načteno z jednotky</translation>
    </message>
    <message>
        <source>before a write</source>
        <translation>před zápisem</translation>
    </message>
    <message>
        <source>imported from a file</source>
        <translation>převzato ze souboru</translation>
    </message>
    <message>
        <source>before a firmware upload</source>
        <translation>před nahráním firmwaru</translation>
    </message>
    <message>
        <source>the overrides name unit %1, which was not found</source>
        <translation>přepisy uvádějí jednotku %1, která nebyla nalezena</translation>
    </message>
    <message>
        <source>line %1: a quoted cell is not closed properly</source>
        <translation>řádek %1: buňka v uvozovkách není správně uzavřena</translation>
    </message>
    <message>
        <source>there is no header row &quot;serial,FIELD,...&quot;</source>
        <translation>chybí řádek záhlaví &quot;serial,FIELD,...&quot;</translation>
    </message>
    <message>
        <source>line 1: the header row must begin with &quot;serial&quot;</source>
        <translation>řádek 1: řádek záhlaví musí začínat slovem &quot;serial&quot;</translation>
    </message>
    <message>
        <source>line 1: the module has no setting named &quot;%1&quot;</source>
        <translation>řádek 1: modul nemá nastavení s názvem &quot;%1&quot;</translation>
    </message>
    <message>
        <source>line 1: &quot;%1&quot; names %2; use the whole path</source>
        <translation>řádek 1: &quot;%1&quot; označuje %2; použijte celou cestu</translation>
    </message>
    <message>
        <source>line 1: %1 is named twice</source>
        <translation>řádek 1: %1 je uvedeno dvakrát</translation>
    </message>
    <message>
        <source>line %1: %2 cells where the header has %3</source>
        <translation>řádek %1: buněk je %2, záhlaví jich má %3</translation>
    </message>
    <message>
        <source>line %1: the serial number is missing</source>
        <translation>řádek %1: chybí sériové číslo</translation>
    </message>
    <message>
        <source>line %1: unit %2 has a row already</source>
        <translation>řádek %1: jednotka %2 už svůj řádek má</translation>
    </message>
    <message>
        <source>line %1: %2 takes %3, not &quot;%4&quot;</source>
        <translation>řádek %1: %2 přijímá %3, ne &quot;%4&quot;</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true nebo false</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>celé číslo</translation>
    </message>
    <message>
        <source>The unit has no serial number to keep its events under</source>
        <translation>Jednotka nemá sériové číslo, pod kterým by se její události uchovaly</translation>
    </message>
</context>
</TS>
