<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>TQRSetup</name>
    <message>
        <source>%1: larger than %2 bytes, not </source>
        <translation>%1: suurempi kuin %2 tavua, joten se ei ole </translation>
    </message>
    <message>
        <source>%1: is not a regular file (a FIFO, a device or a socket), not </source>
        <translation>%1: ei ole tavallinen tiedosto (FIFO, laite tai pistoke), joten se ei ole </translation>
    </message>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1: lukeminen epäonnistui (%2)</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: tiedostoa ei ole</translation>
    </message>
    <message>
        <source>%1: is a folder, not </source>
        <translation>%1: on kansio, ei </translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1: tiedostoa ei löytynyt.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 sisältää virheellisen polun.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>%1: avaaminen epäonnistui, koska liian monta tiedostoa on auki.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>%1: pääsy estettiin.</translation>
    </message>
    <message>
        <source>An invalid file handle was associated with %1.</source>
        <translation>%1: virheellinen tiedostokahva.</translation>
    </message>
    <message>
        <source>%1 could not be removed because it is the current directory.</source>
        <translation>%1: poistaminen epäonnistui, koska se on nykyinen kansio.</translation>
    </message>
    <message>
        <source>%1 could not be created because the directory is full.</source>
        <translation>%1: luominen epäonnistui, koska kansio on täynnä.</translation>
    </message>
    <message>
        <source>Seek failed on %1</source>
        <translation>%1: siirtyminen tiedostossa epäonnistui</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>%1: laitteisto ilmoitti luku- tai kirjoitusvirheestä.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>%1: jakamisvirhe.</translation>
    </message>
    <message>
        <source>A locking violation occurred while accessing %1.</source>
        <translation>%1: lukitusvirhe.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>%1: tallennusväline on täynnä.</translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>%1: luku tai kirjoitus yritettiin tiedoston lopun yli.</translation>
    </message>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>%1: tapahtui tuntematon virhe.</translation>
    </message>
    <message>
        <source>an unnamed file</source>
        <translation>nimetön tiedosto</translation>
    </message>
    <message>
        <source>a settings file</source>
        <translation>asetustiedosto</translation>
    </message>
    <message>
        <source>a PROFILE.BIN</source>
        <translation>PROFILE.BIN</translation>
    </message>
    <message>
        <source>%1: wrong size, %2 bytes (a PROFILE.BIN has 860)</source>
        <translation>%1: väärä koko, %2 tavua (PROFILE.BIN on 860 tavua)</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 hour</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Kuva</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>3 MP</source>
        <translation>3 MP</translation>
    </message>
    <message>
        <source>5 MP</source>
        <translation>5 MP</translation>
    </message>
    <message>
        <source>6 MP</source>
        <translation>6 MP</translation>
    </message>
    <message>
        <source>8 MP</source>
        <translation>8 MP</translation>
    </message>
    <message>
        <source>1 Photo</source>
        <translation>1 kuva</translation>
    </message>
    <message>
        <source>2 Photos</source>
        <translation>2 kuvaa</translation>
    </message>
    <message>
        <source>3 Photos</source>
        <translation>3 kuvaa</translation>
    </message>
    <message>
        <source>QVGA</source>
        <translation>QVGA</translation>
    </message>
    <message>
        <source>VGA</source>
        <translation>VGA</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Matala</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normaali</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Korkea</translation>
    </message>
    <message>
        <source>6m/20ft</source>
        <translation>6 m</translation>
    </message>
    <message>
        <source>12m/40ft</source>
        <translation>12 m</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>Heti</translation>
    </message>
    <message>
        <source>DailyReport</source>
        <translation>Päiväraportti</translation>
    </message>
    <message>
        <source>MMS</source>
        <translation>MMS</translation>
    </message>
    <message>
        <source>GPRS</source>
        <translation>GPRS</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Puh.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Meili</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Mol.</translation>
    </message>
    <message>
        <source>GSM900</source>
        <translation>GSM900</translation>
    </message>
    <message>
        <source>GSM1800</source>
        <translation>GSM1800</translation>
    </message>
    <message>
        <source>GSM1900</source>
        <translation>GSM1900</translation>
    </message>
    <message>
        <source>GSM900_1800</source>
        <translation>GSM900_1800</translation>
    </message>
    <message>
        <source>GSM850_1900</source>
        <translation>GSM850_1900</translation>
    </message>
    <message>
        <source>GSM850_900_1800_1900</source>
        <translation>GSM850_900_1800_1900</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>Ei</translation>
    </message>
    <message>
        <source>SSL/TLS</source>
        <translation>SSL/TLS</translation>
    </message>
    <message>
        <source>STARTTLS</source>
        <translation>STARTTLS</translation>
    </message>
    <message>
        <source>Instant number is out of the range(0-99)!</source>
        <translation>Heti-lähetysten määrän on oltava välillä 0–99!</translation>
    </message>
    <message>
        <source>Daily report time is error!</source>
        <translation>Päiväraportin kellonaika on virheellinen!</translation>
    </message>
    <message>
        <source>Phone number is invalid!</source>
        <translation>Puhelinnumero on virheellinen!</translation>
    </message>
    <message>
        <source>The phone is out of the max length!</source>
        <translation>Puhelinnumero on liian pitkä!</translation>
    </message>
    <message>
        <source>The email is out of the max length!</source>
        <translation>Sähköpostiosoite on liian pitkä!</translation>
    </message>
    <message>
        <source>The email&apos;s Format is error!</source>
        <translation>Sähköpostiosoite on kirjoitettu väärin!</translation>
    </message>
    <message>
        <source>The phone must not be null!</source>
        <translation>Anna puhelinnumero!</translation>
    </message>
    <message>
        <source>The email must not be null!</source>
        <translation>Anna sähköpostiosoite!</translation>
    </message>
    <message>
        <source>The letters or/and digits are allowed for rename!</source>
        <translation>Uudessa nimessä saa olla vain kirjaimia ja numeroita!</translation>
    </message>
    <message>
        <source>Max Size is out of the range(35-120)!</source>
        <translation>Enimmäiskoon on oltava välillä 35–120!</translation>
    </message>
    <message>
        <source>At most 4 phone numbers can be stored!</source>
        <translation>Puhelinnumeroita mahtuu enintään 4!</translation>
    </message>
    <message>
        <source>At most 4 email addresses can be stored!</source>
        <translation>Sähköpostiosoitteita mahtuu enintään 4!</translation>
    </message>
    <message>
        <source>Email is invalid!</source>
        <translation>Sähköpostiosoite on virheellinen!</translation>
    </message>
    <message>
        <source>Port is out of the range(1-65535)!</source>
        <translation>Portin on oltava välillä 1–65535!</translation>
    </message>
    <message>
        <source>The operator has no MMS URL, so the camera cannot send pictures by MMS.</source>
        <translation>Operaattorilla ei ole MMS-URL:ää, joten kamera ei voi lähettää kuvia MMS-viesteinä.</translation>
    </message>
    <message>
        <source>The operator has no GPRS APN, so the camera cannot send pictures by GPRS.</source>
        <translation>Operaattorilla ei ole GPRS-APN:ää, joten kamera ei voi lähettää kuvia GPRS:n kautta.</translation>
    </message>
    <message>
        <source>About TQR Setup</source>
        <translation>Tietoja ohjelmasta TQR Setup</translation>
    </message>
    <message>
        <source>TQR Setup icon</source>
        <translation>Ohjelman TQR Setup kuvake</translation>
    </message>
    <message>
        <source>TQR Setup Version 1.0</source>
        <translation>TQR Setup, versio 1.0</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 TQR Setup</source>
        <translation>Copyright (C) 2026 TQR Setup</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Photo/Video</source>
        <translation>Kuva/video</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Tila</translation>
    </message>
    <message>
        <source>Photo Size</source>
        <translation>Kuvakoko</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Sarja</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videokoko</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Videon pituus</translation>
    </message>
    <message>
        <source>PIR/Timer</source>
        <translation>Liiketunnistin/ajastin</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Herkkyys</translation>
    </message>
    <message>
        <source>Start-Stop</source>
        <translation>Toiminta-aika</translation>
    </message>
    <message>
        <source>Start hour</source>
        <translation>Alkutunti</translation>
    </message>
    <message>
        <source>Start minute</source>
        <translation>Alkuminuutti</translation>
    </message>
    <message>
        <source>Stop hour</source>
        <translation>Lopetustunti</translation>
    </message>
    <message>
        <source>Stop minute</source>
        <translation>Lopetusminuutti</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Viive</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Aikaväli</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Järjestelmä</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>Aikaleima</translation>
    </message>
    <message>
        <source>Flash Range</source>
        <translation>Salama</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Salasana</translation>
    </message>
    <message>
        <source>Password number</source>
        <translation>Salasanan numerot</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Oletus</translation>
    </message>
    <message>
        <source>Email Set</source>
        <translation>Meili</translation>
    </message>
    <message>
        <source>Select Email</source>
        <translation>Palvelu</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Tunnus</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Näytä salasana</translation>
    </message>
    <message>
        <source>SMTP Server</source>
        <translation>Palvelin</translation>
    </message>
    <message>
        <source>Secure Type</source>
        <translation>Suojaus</translation>
    </message>
    <message>
        <source>SMTP Port</source>
        <translation>SMTP-portti</translation>
    </message>
    <message>
        <source>Test...</source>
        <translation>Testaa...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Send Mode</source>
        <translation>Lähetystila</translation>
    </message>
    <message>
        <source>Max Num</source>
        <translation>Määrä</translation>
    </message>
    <message>
        <source>Daily report hour</source>
        <translation>Päiväraportin tunti</translation>
    </message>
    <message>
        <source>Daily report minute</source>
        <translation>Päiväraportin minuutti</translation>
    </message>
    <message>
        <source>Send Via</source>
        <translation>Lähetystapa</translation>
    </message>
    <message>
        <source>Send To</source>
        <translation>Kohde</translation>
    </message>
    <message>
        <source>Recipients</source>
        <translation>Vastaanottajat</translation>
    </message>
    <message>
        <source>Operator Parameter</source>
        <translation>Operaattori</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Maa</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Yhtiö</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Oma</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Nimeä</translation>
    </message>
    <message>
        <source>Rename text</source>
        <translation>Uusi tiedostonimi</translation>
    </message>
    <message>
        <source>(a-z, A-Z, 0-9 only)</source>
        <translation>(vain a-z, A-Z, 0-9)</translation>
    </message>
    <message>
        <source>Max Size</source>
        <translation>Maks.</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>kt</translation>
    </message>
    <message>
        <source>(35-120KB)</source>
        <translation>(35-120 kt)</translation>
    </message>
    <message>
        <source>SMS Switch</source>
        <translation>SMS</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Taajuus</translation>
    </message>
    <message>
        <source>Cmd Log</source>
        <translation>Komentoloki</translation>
    </message>
    <message>
        <source>Qmm Dbg</source>
        <translation>Qmm-vianetsintä</translation>
    </message>
    <message>
        <source>Email Test</source>
        <translation>Sähköpostin testaus</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Asetussivut</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>SD:</translation>
    </message>
    <message>
        <source>Browse for the SD card folder</source>
        <translation>Valitse SD-kortin kansio</translation>
    </message>
    <message>
        <source>Look Up Operator</source>
        <translation>Hae operaattori</translation>
    </message>
    <message>
        <source>Data APN</source>
        <translation>Data-APN</translation>
    </message>
    <message>
        <source>MMS APN</source>
        <translation>MMS-APN</translation>
    </message>
    <message>
        <source>Operator Param</source>
        <translation>Operaattorin tiedot</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>IP-osoite</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Portti</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Look up...</source>
        <translation>Hae...</translation>
    </message>
    <message>
        <source>&amp;About TQR Setup...</source>
        <translation>&amp;Tietoja ohjelmasta TQR Setup...</translation>
    </message>
    <message>
        <source>%1, first number</source>
        <translation>%1, ensimmäinen luku</translation>
    </message>
    <message>
        <source>%1, second number</source>
        <translation>%1, toinen luku</translation>
    </message>
    <message>
        <source>%1, third number</source>
        <translation>%1, kolmas luku</translation>
    </message>
    <message>
        <source>%1, fourth number</source>
        <translation>%1, neljäs luku</translation>
    </message>
    <message>
        <source>The action could not be completed because of an unexpected error. Your entries are still there; please try again.</source>
        <translation>Toimintoa ei voitu suorittaa odottamattoman virheen vuoksi. Syöttämäsi tiedot ovat tallessa; yritä uudelleen.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Anna kokonaisluku.</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Anna positiivinen kokonaisluku.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Anna kokonaisluku väliltä %1–%2.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Kirjoita enintään %1 merkkiä.</translation>
    </message>
    <message>
        <source>Folder Browser</source>
        <translation>Kansion valinta</translation>
    </message>
    <message>
        <source>Removable volumes</source>
        <translation>Siirrettävät asemat</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Kansiot</translation>
    </message>
    <message>
        <source>The mail account cannot be tried: choose its Secure Type first.</source>
        <translation>Sähköpostitiliä ei voi testata: valitse ensin suojaus.</translation>
    </message>
    <message>
        <source>Server must not be null!</source>
        <translation>Anna palvelin!</translation>
    </message>
    <message>
        <source>Port must not be null!</source>
        <translation>Anna portti!</translation>
    </message>
    <message>
        <source>Secure Type must not be null!</source>
        <translation>Valitse suojaus!</translation>
    </message>
    <message>
        <source>Account or Email must not be null!</source>
        <translation>Anna tunnus ja sähköpostiosoite!</translation>
    </message>
    <message>
        <source>Please Check and Set the Email!</source>
        <translation>Tarkista sähköpostiasetukset!</translation>
    </message>
    <message>
        <source>You&apos;ll restore the default setting,<byte value="xd"/>
Are you sure?</source>
        <translation>Oletusasetukset palautetaan.<byte value="xd"/>
Oletko varma?</translation>
    </message>
    <message>
        <source>The box holds a line break (shown as an arrow or as a new line). Put all entries on one line, separated by &quot;;&quot;.</source>
        <translation>Kentässä on rivinvaihto (näkyy nuolena tai uutena rivinä). Kirjoita kaikki merkinnät yhdelle riville puolipisteellä ”;” erotettuina.</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Peruutetaan...</translation>
    </message>
    <message>
        <source>Logging in to %1...</source>
        <translation>Kirjaudutaan palvelimeen %1...</translation>
    </message>
    <message>
        <source>The mail account does not work: %1.</source>
        <translation>Sähköpostitili ei toimi: %1.</translation>
    </message>
    <message>
        <source>The mail account works: %1.</source>
        <translation>Sähköpostitili toimii: %1.</translation>
    </message>
    <message>
        <source>The mail account works: %1.<byte value="xd"/>
<byte value="xd"/>
Send a test e-mail to %2?</source>
        <translation>Sähköpostitili toimii: %1.<byte value="xd"/>
<byte value="xd"/>
Lähetetäänkö testiviesti osoitteeseen %2?</translation>
    </message>
    <message>
        <source>Sending the test e-mail to %1...</source>
        <translation>Testiviesti osoitteeseen %1...</translation>
    </message>
    <message>
        <source>The test e-mail was not sent: %1.</source>
        <translation>Testiviestiä ei lähetetty: %1.</translation>
    </message>
    <message>
        <source>%1 (unusable: control character)</source>
        <translation>%1 (ei käytettävissä: ohjausmerkki)</translation>
    </message>
    <message>
        <source>(none in the database)</source>
        <translation>(ei tietokannassa)</translation>
    </message>
    <message>
        <source>Fill in the parameters of an operator from the mobile broadband provider database.</source>
        <translation>Täytä operaattorin tiedot mobiililaajakaistan palveluntarjoajien tietokannasta.</translation>
    </message>
    <message>
        <source>The operator look-up needs the package %1 (%2 is missing).</source>
        <translation>Operaattorin haku tarvitsee paketin %1 (%2 puuttuu).</translation>
    </message>
    <message>
        <source>The card&apos;s settings cannot be opened: %1</source>
        <translation>Kortin asetuksia ei voi avata: %1</translation>
    </message>
    <message>
        <source>%1 holds a value this tool cannot have written (%2: %3)</source>
        <translation>%1 sisältää arvon, jota tämä ohjelma ei ole voinut kirjoittaa (%2: %3)</translation>
    </message>
    <message>
        <source>The card uses different parameters for %1. Use the card&apos;s?</source>
        <translation>Kortilla on eri tiedot operaattorille %1. Käytetäänkö kortin tietoja?</translation>
    </message>
    <message>
        <source>The card&apos;s parameters for %1 were not taken; the stored ones are used.</source>
        <translation>Kortin tietoja operaattorille %1 ei otettu käyttöön; käytetään tallennettuja.</translation>
    </message>
    <message>
        <source>The card&apos;s parameters for %1 (%2) were replaced by the table&apos;s.</source>
        <translation>Kortin tiedot operaattorille %1 (%2) korvattiin taulukon tiedoilla.</translation>
    </message>
    <message>
        <source>The card&apos;s hidden band, command log and debug settings are written as this tool&apos;s on OK.</source>
        <translation>Kortin piilotetut taajuus-, komentoloki- ja vianetsintäasetukset korvataan tämän ohjelman asetuksilla, kun valitset OK.</translation>
    </message>
    <message>
        <source>&quot;--lang&quot; needs a language, such as de</source>
        <translation>&quot;--lang&quot; vaatii kielen, esimerkiksi fi</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value</source>
        <translation>&quot;%1&quot; vaatii arvon</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>tuntematon valitsin &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>odottamaton argumentti &quot;%1&quot;</translation>
    </message>
    <message>
        <source>there is no translation for &quot;%1&quot;; the dialog speaks English</source>
        <translation>kielelle &quot;%1&quot; ei ole käännöstä; ikkuna näytetään englanniksi</translation>
    </message>
    <message>
        <source>Open settings from card...</source>
        <translation>Avaa asetukset kortilta...</translation>
    </message>
    <message>
        <source>GSM</source>
        <translation>GSM</translation>
    </message>
    <message>
        <source>Please Select the Path</source>
        <translation>Valitse kansio</translation>
    </message>
    <message>
        <source>PROFILE.BIN in %1 holds other settings than the dialog shows. Open them?</source>
        <translation>Kansion %1 PROFILE.BIN sisältää eri asetukset kuin ikkunassa näkyy. Avataanko ne?</translation>
    </message>
    <message>
        <source>Please choose path to SD card Drive.</source>
        <translation>Valitse SD-kortin kansio.</translation>
    </message>
    <message>
        <source>There is no PROFILE.BIN in %1.</source>
        <translation>Kansiossa %1 ei ole PROFILE.BIN-tiedostoa.</translation>
    </message>
    <message>
        <source>PROFILE.BIN has been saved in %1</source>
        <translation>PROFILE.BIN on tallennettu kansioon %1</translation>
    </message>
    <message>
        <source>; the password travelled unencrypted</source>
        <translation>; salasana kulki salaamattomana</translation>
    </message>
    <message>
        <source>no SMTP server is set</source>
        <translation>SMTP-palvelinta ei ole annettu</translation>
    </message>
    <message>
        <source>the SMTP server name holds a control character</source>
        <translation>SMTP-palvelimen nimessä on ohjausmerkki</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a server name</source>
        <translation>”%1” ei ole palvelimen nimi</translation>
    </message>
    <message>
        <source>the port &quot;%1&quot; is not a number from 1 to 65535</source>
        <translation>portti ”%1” ei ole luku väliltä 1–65535</translation>
    </message>
    <message>
        <source>no account is set</source>
        <translation>tunnusta ei ole annettu</translation>
    </message>
    <message>
        <source>the account holds a control character</source>
        <translation>tunnuksessa on ohjausmerkki</translation>
    </message>
    <message>
        <source>the secure type is none of NO, SSL/TLS and STARTTLS, so the password was not sent</source>
        <translation>suojaus ei ole mikään vaihtoehdoista Ei, SSL/TLS ja STARTTLS, joten salasanaa ei lähetetty</translation>
    </message>
    <message>
        <source>the sender address holds a control character, &quot;&lt;&quot; or &quot;&gt;&quot;</source>
        <translation>lähettäjän osoitteessa on ohjausmerkki, ”&lt;” tai ”&gt;”</translation>
    </message>
    <message>
        <source>the sender address holds no &quot;@&quot;</source>
        <translation>lähettäjän osoitteessa ei ole merkkiä ”@”</translation>
    </message>
    <message>
        <source>there is no recipient for the test e-mail</source>
        <translation>testiviestillä ei ole vastaanottajaa</translation>
    </message>
    <message>
        <source>recipient %1 holds a control character, &quot;&lt;&quot; or &quot;&gt;&quot;</source>
        <translation>vastaanottajassa %1 on ohjausmerkki, ”&lt;” tai ”&gt;”</translation>
    </message>
    <message>
        <source>recipient %1 is too long</source>
        <translation>vastaanottaja %1 on liian pitkä</translation>
    </message>
    <message>
        <source>recipient %1 holds no &quot;@&quot; after its first character</source>
        <translation>vastaanottajassa %1 ei ole merkkiä ”@” ensimmäisen merkin jälkeen</translation>
    </message>
    <message>
        <source>the check was cancelled</source>
        <translation>testi peruutettiin</translation>
    </message>
    <message>
        <source>the server name %1 cannot be found</source>
        <translation>palvelimen nimeä %1 ei löydy</translation>
    </message>
    <message>
        <source>nothing answers at %1 (the connection was refused)</source>
        <translation>osoitteessa %1 ei vastaa mikään (yhteys hylättiin)</translation>
    </message>
    <message>
        <source>no answer from %1 within %2</source>
        <translation>%1 ei vastannut ajassa %2</translation>
    </message>
    <message>
        <source>the server %1 does not offer STARTTLS, so the password was not sent</source>
        <translation>palvelin %1 ei tarjoa STARTTLS:ää, joten salasanaa ei lähetetty</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted</source>
        <translation>palvelimen %1 varmenteeseen ei luoteta</translation>
    </message>
    <message>
        <source>no secure connection to %1 could be set up (is the secure type right?)</source>
        <translation>suojattua yhteyttä kohteeseen %1 ei saatu (onko suojaus oikea?)</translation>
    </message>
    <message>
        <source>the server refused the login%1</source>
        <translation>palvelin hylkäsi kirjautumisen%1</translation>
    </message>
    <message>
        <source>the server refused the test e-mail%1</source>
        <translation>palvelin hylkäsi testiviestin%1</translation>
    </message>
    <message>
        <source>the server %1 gave an unexpected answer%2</source>
        <translation>palvelin %1 antoi odottamattoman vastauksen%2</translation>
    </message>
    <message>
        <source>the connection to %1 broke off%2</source>
        <translation>yhteys kohteeseen %1 katkesi%2</translation>
    </message>
    <message>
        <source>the system&apos;s trusted certificates cannot be read</source>
        <translation>järjestelmän luotettuja varmenteita ei voi lukea</translation>
    </message>
    <message>
        <source>the CA file %1 cannot be read</source>
        <translation>CA-tiedostoa %1 ei voi lukea</translation>
    </message>
    <message>
        <source>the check failed: %1%2</source>
        <translation>testi epäonnistui: %1%2</translation>
    </message>
    <message>
        <source>a CA certificate file</source>
        <translation>CA-varmennetiedosto</translation>
    </message>
    <message>
        <source>the mail check needs libcurl (libcurl.so.4), which could not be loaded</source>
        <translation>sähköpostin testaus tarvitsee kirjaston libcurl (libcurl.so.4), jota ei voitu ladata</translation>
    </message>
    <message>
        <source>the check could not be started</source>
        <translation>testiä ei voitu aloittaa</translation>
    </message>
    <message>
        <source>this libcurl is too old to use the CA file %1 (7.77 or later is needed)</source>
        <translation>tämä libcurl on liian vanha CA-tiedostolle %1 (tarvitaan 7.77 tai uudempi)</translation>
    </message>
    <message>
        <source>the server %1 offered no login with no encryption; the account was not tried</source>
        <translation>palvelin %1 ei tarjonnut kirjautumista ilman salausta; tunnusta ei kokeiltu</translation>
    </message>
    <message>
        <source>the server %1 offered no login with %2; the account was not tried</source>
        <translation>palvelin %1 ei tarjonnut kirjautumista suojauksella %2; tunnusta ei kokeiltu</translation>
    </message>
    <message>
        <source>the test e-mail from %1 to %2 was sent</source>
        <translation>testiviesti lähetettiin osoitteesta %1 osoitteeseen %2</translation>
    </message>
    <message>
        <source>the server %1 accepted the login of %2 (no encryption)</source>
        <translation>palvelin %1 hyväksyi tunnuksen %2 kirjautumisen (ilman salausta)</translation>
    </message>
    <message>
        <source>the server %1 accepted the login of %2 (%3)</source>
        <translation>palvelin %1 hyväksyi tunnuksen %2 kirjautumisen (%3)</translation>
    </message>
    <message>
        <source>: the database&apos;s value has a control character; the field is left empty.</source>
        <translation>: tietokannan arvossa on ohjausmerkki; kenttä jätetään tyhjäksi.</translation>
    </message>
    <message>
        <source>: the database&apos;s value &quot;%1&quot; has characters the camera cannot store; the field is left empty.</source>
        <translation>: tietokannan arvossa ”%1” on merkkejä, joita kamera ei voi tallentaa; kenttä jätetään tyhjäksi.</translation>
    </message>
    <message>
        <source>: the database&apos;s value is longer than %1 characters; the field is left empty.</source>
        <translation>: tietokannan arvo on pidempi kuin %1 merkkiä; kenttä jätetään tyhjäksi.</translation>
    </message>
    <message>
        <source>The database gives no MMS proxy; gateway and port are left empty.</source>
        <translation>Tietokanta ei anna MMS-välityspalvelinta; IP-osoite ja portti jätetään tyhjiksi.</translation>
    </message>
    <message>
        <source>The MMS proxy has a control character; gateway and port are left empty.</source>
        <translation>MMS-välityspalvelimessa on ohjausmerkki; IP-osoite ja portti jätetään tyhjiksi.</translation>
    </message>
    <message>
        <source>The MMS proxy &quot;%1&quot; is a host name, which the gateway address cannot hold; gateway and port are left empty.</source>
        <translation>MMS-välityspalvelin ”%1” on palvelimen nimi, jota IP-osoitekenttään ei voi tallentaa; IP-osoite ja portti jätetään tyhjiksi.</translation>
    </message>
    <message>
        <source>The MMS proxy &quot;%1&quot; gives no port; gateway and port are left empty.</source>
        <translation>MMS-välityspalvelin ”%1” ei anna porttia; IP-osoite ja portti jätetään tyhjiksi.</translation>
    </message>
    <message>
        <source>The port of the MMS proxy &quot;%1&quot; is not between 1 and %2; gateway and port are left empty.</source>
        <translation>MMS-välityspalvelimen ”%1” portti ei ole välillä 1–%2; IP-osoite ja portti jätetään tyhjiksi.</translation>
    </message>
    <message>
        <source>The chosen MMS access point has a control character in its APN, account or password; the MMS fields are left empty.</source>
        <translation>Valitun MMS-yhteyspisteen APN:ssä, tunnuksessa tai salasanassa on ohjausmerkki; MMS-kentät jätetään tyhjiksi.</translation>
    </message>
    <message>
        <source>MMS URL</source>
        <translation>MMS-URL</translation>
    </message>
    <message>
        <source>MMS account</source>
        <translation>MMS-tunnus</translation>
    </message>
    <message>
        <source>MMS password</source>
        <translation>MMS-salasana</translation>
    </message>
    <message>
        <source>%1 has no MMS data in the database; the MMS fields are left empty.</source>
        <translation>Tietokannassa ei ole MMS-tietoja operaattorille %1; MMS-kentät jätetään tyhjiksi.</translation>
    </message>
    <message>
        <source>The chosen data access point has a control character in its APN, account or password; the GPRS fields are left empty.</source>
        <translation>Valitun datayhteyspisteen APN:ssä, tunnuksessa tai salasanassa on ohjausmerkki; GPRS-kentät jätetään tyhjiksi.</translation>
    </message>
    <message>
        <source>GPRS APN</source>
        <translation>GPRS-APN</translation>
    </message>
    <message>
        <source>GPRS account</source>
        <translation>GPRS-tunnus</translation>
    </message>
    <message>
        <source>GPRS password</source>
        <translation>GPRS-salasana</translation>
    </message>
    <message>
        <source>%1 has no data APN in the database; the GPRS fields are left empty.</source>
        <translation>Tietokannassa ei ole data-APN:ää operaattorille %1; GPRS-kentät jätetään tyhjiksi.</translation>
    </message>
    <message>
        <source>The provider database is not UTF-8 text (it declares another encoding); it is not read.</source>
        <translation>Operaattoritietokanta ei ole UTF-8-tekstiä (se ilmoittaa muun merkistön); sitä ei lueta.</translation>
    </message>
    <message>
        <source>The provider database is not UTF-8 text (byte %1); it is not read.</source>
        <translation>Operaattoritietokanta ei ole UTF-8-tekstiä (tavu %1); sitä ei lueta.</translation>
    </message>
    <message>
        <source>The provider database is nested deeper than %1 levels.</source>
        <translation>Operaattoritietokannan sisäkkäisyys on syvempi kuin %1 tasoa.</translation>
    </message>
    <message>
        <source>The provider database holds a text longer than %1 bytes; it is not read.</source>
        <translation>Operaattoritietokannassa on yli %1 tavun pituinen teksti; sitä ei lueta.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 countries, more than the real one could; it is not read.</source>
        <translation>Operaattoritietokannassa on yli %1 maata, enemmän kuin oikeassa voisi olla; sitä ei lueta.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 operators in a country, more than the real one could; it is not read.</source>
        <translation>Operaattoritietokannassa on yli %1 operaattoria yhdessä maassa, enemmän kuin oikeassa voisi olla; sitä ei lueta.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 access points of an operator, more than the real one could; it is not read.</source>
        <translation>Operaattoritietokannassa on yli %1 yhteyspistettä yhdellä operaattorilla, enemmän kuin oikeassa voisi olla; sitä ei lueta.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 access points, more than the real one could; it is not read.</source>
        <translation>Operaattoritietokannassa on yli %1 yhteyspistettä, enemmän kuin oikeassa voisi olla; sitä ei lueta.</translation>
    </message>
    <message>
        <source>The provider database is larger than %1 MB.</source>
        <translation>Operaattoritietokanta on suurempi kuin %1 Mt.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 tags, more than the real one could; it is not read.</source>
        <translation>Operaattoritietokannassa on yli %1 tagia, enemmän kuin oikeassa voisi olla; sitä ei lueta.</translation>
    </message>
    <message>
        <source>The provider database declares entities; it is not read.</source>
        <translation>Operaattoritietokanta määrittelee entiteettejä; sitä ei lueta.</translation>
    </message>
    <message>
        <source>The provider database is not valid XML: %1 at byte %2.</source>
        <translation>Operaattoritietokanta ei ole kelvollista XML:ää: %1 tavun %2 kohdalla.</translation>
    </message>
    <message>
        <source>The file is not a provider database (no &lt;serviceproviders&gt;).</source>
        <translation>Tiedosto ei ole operaattoritietokanta (ei &lt;serviceproviders&gt;-elementtiä).</translation>
    </message>
    <message>
        <source>The provider database %1 cannot be opened. Install the package %2 or name the file.</source>
        <translation>Operaattoritietokantaa %1 ei voi avata. Asenna paketti %2 tai anna tiedosto.</translation>
    </message>
    <message>
        <source>a provider database</source>
        <translation>operaattoritietokanta</translation>
    </message>
    <message>
        <source>The provider database cannot be read: </source>
        <translation>Operaattoritietokantaa ei voi lukea: </translation>
    </message>
    <message>
        <source>Leave out the space.</source>
        <translation>Poista välilyönti.</translation>
    </message>
    <message>
        <source>It holds a no-break space, which looks like a space: delete it.</source>
        <translation>Siinä on sitova välilyönti, joka näyttää välilyönniltä: poista se.</translation>
    </message>
    <message>
        <source>It holds a character that cannot be seen (shown as &quot;%1&quot;): delete it.</source>
        <translation>Siinä on näkymätön merkki (näkyy muodossa &quot;%1&quot;): poista se.</translation>
    </message>
    <message>
        <source>Leave out &quot;%1&quot;.</source>
        <translation>Poista &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number from %2 to %3; the box is empty.</source>
        <translation>&quot;%1&quot; vaatii kokonaisluvun väliltä %2–%3; kenttä on tyhjä.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number from %2 to %3; &quot;%4&quot; is not one.</source>
        <translation>&quot;%1&quot; vaatii kokonaisluvun väliltä %2–%3; &quot;%4&quot; ei ole kokonaisluku.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number, written with digits; the box is empty.</source>
        <translation>&quot;%1&quot; vaatii numeroin kirjoitetun kokonaisluvun; kenttä on tyhjä.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number, written with digits; &quot;%2&quot; is not one.</source>
        <translation>&quot;%1&quot; vaatii numeroin kirjoitetun kokonaisluvun; &quot;%2&quot; ei ole kokonaisluku.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number from %2 to %3, not %4.</source>
        <translation>&quot;%1&quot; vaatii kokonaisluvun väliltä %2–%3, ei %4.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds at most %2 characters; it has %3.</source>
        <translation>&quot;%1&quot; voi sisältää enintään %2 merkkiä; siinä on %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds at most %2 characters; &quot;%3&quot; has %4.</source>
        <translation>&quot;%1&quot; voi sisältää enintään %2 merkkiä; &quot;%3&quot; sisältää %4.</translation>
    </message>
    <message>
        <source>&quot;Max Num&quot; takes a whole number from 0 to 99, not %1.</source>
        <translation>&quot;Määrä&quot; on kokonaisluku väliltä 0–99, ei %1.</translation>
    </message>
    <message>
        <source>%1:%2 is no time of day: the hour is 0 to 23 and the minute 0 to 59.</source>
        <translation>%1:%2 ei ole kellonaika: tunti on 0–23 ja minuutti 0–59.</translation>
    </message>
    <message>
        <source>&quot;Max Size&quot; takes a whole number of KB from 35 to 120, not %1.</source>
        <translation>&quot;Maks.&quot; on kokonaisluku väliltä 35–120 (kt), ei %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a new name takes only the letters a-z and A-Z and the digits 0-9.</source>
        <translation>&quot;%1&quot;: uudessa nimessä saa olla vain kirjaimia a-z ja A-Z sekä numeroita 0-9.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (number %2 in the box): a phone number holds digits only, with one &quot;+&quot; at the start.</source>
        <translation>&quot;%1&quot; (kentän %2. numero): puhelinnumerossa on vain numeroita ja alussa yksi &quot;+&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (number %2 in the box) has %3 characters; a phone number has at most 23.</source>
        <translation>&quot;%1&quot; (kentän %2. numero) on %3 merkkiä pitkä; puhelinnumerossa on enintään 23.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (address %2 in the box) has %3 characters; an address has at most 47.</source>
        <translation>&quot;%1&quot; (kentän %2. osoite) on %3 merkkiä pitkä; osoitteessa on enintään 47.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (address %2 in the box): an address needs a name, &quot;@&quot; and a domain, for example anna@example.org.</source>
        <translation>&quot;%1&quot; (kentän %2. osoite): osoitteessa on oltava nimi, &quot;@&quot; ja verkkotunnus, esimerkiksi anna@example.org.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (address %2 in the box): an address holds neither &quot;&lt;&quot;, &quot;&gt;&quot; nor a control character.</source>
        <translation>&quot;%1&quot; (kentän %2. osoite): osoitteessa ei saa olla merkkejä &quot;&lt;&quot; tai &quot;&gt;&quot; eikä ohjausmerkkejä.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the port is a whole number from 1 to 65535, such as 25, 465 or 587.</source>
        <translation>&quot;%1&quot;: portti on kokonaisluku väliltä 1–65535, esimerkiksi 25, 465 tai 587.</translation>
    </message>
    <message>
        <source>&quot;SMTP Server&quot; is empty: enter the server that sends the camera&apos;s mail, as the mail provider names it, for example smtp.example.org.</source>
        <translation>&quot;Palvelin&quot; on tyhjä: anna palvelin, joka lähettää kameran sähköpostit, sähköpostipalvelun ilmoittamassa muodossa, esimerkiksi smtp.example.org.</translation>
    </message>
    <message>
        <source>&quot;SMTP Port&quot; is empty: enter the port the mail provider gives, usually 25, 465 or 587.</source>
        <translation>&quot;SMTP-portti&quot; on tyhjä: anna sähköpostipalvelun ilmoittama portti, yleensä 25, 465 tai 587.</translation>
    </message>
    <message>
        <source>&quot;Secure Type&quot; is not chosen: pick the one the mail provider gives for this port (often SSL/TLS for 465, STARTTLS for 587).</source>
        <translation>&quot;Suojaus&quot; ei ole valittuna: valitse sähköpostipalvelun tälle portille ilmoittama (usein SSL/TLS portille 465, STARTTLS portille 587).</translation>
    </message>
    <message>
        <source>&quot;Email&quot; is empty: enter the address the camera sends from, for example camera@example.org.</source>
        <translation>&quot;Meili&quot; on tyhjä: anna osoite, josta kamera lähettää, esimerkiksi camera@example.org.</translation>
    </message>
    <message>
        <source>&quot;Account&quot; is empty: enter the name the mail server knows the account by, often the address itself.</source>
        <translation>&quot;Tunnus&quot; on tyhjä: anna nimi, jolla sähköpostipalvelin tuntee tilin, usein itse osoite.</translation>
    </message>
    <message>
        <source>&quot;Password&quot; is empty: enter the account&apos;s password.</source>
        <translation>&quot;Salasana&quot; on tyhjä: anna tilin salasana.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the 5th number in the box; the camera keeps four. Remove one.</source>
        <translation>&quot;%1&quot; on kentän 5. numero; kamera tallentaa neljä. Poista yksi.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the 5th address in the box; the camera keeps four. Remove one.</source>
        <translation>&quot;%1&quot; on kentän 5. osoite; kamera tallentaa neljä. Poista yksi.</translation>
    </message>
    <message>
        <source>With &quot;SMS Switch&quot; on, the camera needs a phone number for its text messages, for example +4917012345678.</source>
        <translation>Kun &quot;SMS&quot; on päällä, kamera tarvitsee puhelinnumeron tekstiviestejään varten, esimerkiksi +358401234567.</translation>
    </message>
    <message>
        <source>With Send To &quot;Phone&quot; or &quot;Both&quot;, the camera needs at least one phone number, for example +4917012345678.</source>
        <translation>Kun kohteena on &quot;Puh.&quot; tai &quot;Mol.&quot;, kamera tarvitsee vähintään yhden puhelinnumeron, esimerkiksi +358401234567.</translation>
    </message>
    <message>
        <source>With Send To &quot;Email&quot; or &quot;Both&quot;, the camera needs at least one address, for example anna@example.org.</source>
        <translation>Kun kohteena on &quot;Meili&quot; tai &quot;Mol.&quot;, kamera tarvitsee vähintään yhden osoitteen, esimerkiksi anna@example.org.</translation>
    </message>
    <message>
        <source>&quot;Path&quot; is empty: pick the SD card&apos;s folder with &quot;...&quot; or type it, for example /media/anna/CAMERA.</source>
        <translation>&quot;SD&quot; on tyhjä: valitse SD-kortin kansio painikkeella &quot;...&quot; tai kirjoita se, esimerkiksi /media/anna/CAMERA.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the address the camera sends from needs an &quot;@&quot;, as in camera@example.org.</source>
        <translation>&quot;%1&quot;: osoitteessa, josta kamera lähettää, on oltava &quot;@&quot; kuten osoitteessa camera@example.org.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the address the camera sends from holds neither &quot;&lt;&quot;, &quot;&gt;&quot; nor a control character.</source>
        <translation>&quot;%1&quot;: osoitteessa, josta kamera lähettää, ei saa olla merkkejä &quot;&lt;&quot; tai &quot;&gt;&quot; eikä ohjausmerkkejä.</translation>
    </message>
    <message>
        <source>The card did not keep %1: reading it back gave other bytes than were written. The card may be failing or counterfeit. Nothing was saved.</source>
        <translation>Kortti ei säilyttänyt tiedostoa %1: takaisin luettuna tavut erosivat kirjoitetuista. Kortti voi olla viallinen tai väärennös. Mitään ei tallennettu.</translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>Poista asemasta</translation>
    </message>
    <message>
        <source>%1 can be removed now.</source>
        <translation>%1 voidaan nyt irrottaa.</translation>
    </message>
    <message>
        <source>%1 cannot be ejected yet: a program is still using it.</source>
        <translation>Kohdetta %1 ei voi vielä poistaa asemasta: jokin ohjelma käyttää sitä yhä.</translation>
    </message>
    <message>
        <source>%1 cannot be ejected: the system does not allow you to.</source>
        <translation>Kohdetta %1 ei voi poistaa asemasta: järjestelmä ei salli sitä.</translation>
    </message>
    <message>
        <source>%1 has been unmounted or removed already.</source>
        <translation>%1 on jo irrotettu tai poistettu.</translation>
    </message>
    <message>
        <source>%1 cannot be ejected: the disk service UDisks2 is not running.</source>
        <translation>Kohdetta %1 ei voi poistaa asemasta: levypalvelu UDisks2 ei ole käynnissä.</translation>
    </message>
    <message>
        <source>%1 cannot be ejected: %2.</source>
        <translation>Kohdetta %1 ei voi poistaa asemasta: %2.</translation>
    </message>
</context>
</TS>
