<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>TQRSetup</name>
    <message>
        <source>%1: larger than %2 bytes, not </source>
        <translation>%1: più grande di %2 byte, quindi non è </translation>
    </message>
    <message>
        <source>%1: is not a regular file (a FIFO, a device or a socket), not </source>
        <translation>%1: non è un file normale (una FIFO, un dispositivo o un socket), quindi non è </translation>
    </message>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1: impossibile leggere (%2)</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: il file non esiste</translation>
    </message>
    <message>
        <source>%1: is a folder, not </source>
        <translation>%1: è una cartella, non </translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>Impossibile trovare %1.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 contiene un percorso non valido.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>Impossibile aprire %1: ci sono troppi file aperti.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Accesso a %1 negato.</translation>
    </message>
    <message>
        <source>An invalid file handle was associated with %1.</source>
        <translation>%1 era associato a un handle di file non valido.</translation>
    </message>
    <message>
        <source>%1 could not be removed because it is the current directory.</source>
        <translation>Impossibile rimuovere %1: è la cartella corrente.</translation>
    </message>
    <message>
        <source>%1 could not be created because the directory is full.</source>
        <translation>Impossibile creare %1: la cartella è piena.</translation>
    </message>
    <message>
        <source>Seek failed on %1</source>
        <translation>Posizionamento in %1 non riuscito</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>Errore hardware durante l&apos;accesso a %1.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Violazione di condivisione durante l&apos;accesso a %1.</translation>
    </message>
    <message>
        <source>A locking violation occurred while accessing %1.</source>
        <translation>Violazione di blocco durante l&apos;accesso a %1.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>Il supporto è pieno (accesso a %1).</translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>Tentativo di accesso oltre la fine di %1.</translation>
    </message>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>Errore sconosciuto durante l&apos;accesso a %1.</translation>
    </message>
    <message>
        <source>an unnamed file</source>
        <translation>un file senza nome</translation>
    </message>
    <message>
        <source>a settings file</source>
        <translation>un file di impostazioni</translation>
    </message>
    <message>
        <source>a PROFILE.BIN</source>
        <translation>un PROFILE.BIN</translation>
    </message>
    <message>
        <source>%1: wrong size, %2 bytes (a PROFILE.BIN has 860)</source>
        <translation>%1: dimensione errata, %2 byte (un PROFILE.BIN ne ha 860)</translation>
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
        <translation>No</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
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
        <translation>1 foto</translation>
    </message>
    <message>
        <source>2 Photos</source>
        <translation>2 foto</translation>
    </message>
    <message>
        <source>3 Photos</source>
        <translation>3 foto</translation>
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
        <translation>Bassa</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
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
        <translation>Immediato</translation>
    </message>
    <message>
        <source>DailyReport</source>
        <translation>Giornaliero</translation>
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
        <translation>Tel.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Tutti</translation>
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
        <translation>Nessuna</translation>
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
        <translation>Il numero di invii immediati deve essere tra 0 e 99!</translation>
    </message>
    <message>
        <source>Daily report time is error!</source>
        <translation>L&apos;ora dell&apos;invio giornaliero non è valida!</translation>
    </message>
    <message>
        <source>Phone number is invalid!</source>
        <translation>Il numero di telefono non è valido!</translation>
    </message>
    <message>
        <source>The phone is out of the max length!</source>
        <translation>Il numero di telefono è troppo lungo!</translation>
    </message>
    <message>
        <source>The email is out of the max length!</source>
        <translation>L&apos;indirizzo e-mail è troppo lungo!</translation>
    </message>
    <message>
        <source>The email&apos;s Format is error!</source>
        <translation>L&apos;indirizzo e-mail è scritto male!</translation>
    </message>
    <message>
        <source>The phone must not be null!</source>
        <translation>Inserire un numero di telefono!</translation>
    </message>
    <message>
        <source>The email must not be null!</source>
        <translation>Inserire un indirizzo e-mail!</translation>
    </message>
    <message>
        <source>The letters or/and digits are allowed for rename!</source>
        <translation>Il nuovo nome può contenere solo lettere e cifre!</translation>
    </message>
    <message>
        <source>Max Size is out of the range(35-120)!</source>
        <translation>La dimensione massima deve essere tra 35 e 120!</translation>
    </message>
    <message>
        <source>At most 4 phone numbers can be stored!</source>
        <translation>Si possono salvare al massimo 4 numeri di telefono!</translation>
    </message>
    <message>
        <source>At most 4 email addresses can be stored!</source>
        <translation>Si possono salvare al massimo 4 indirizzi e-mail!</translation>
    </message>
    <message>
        <source>Email is invalid!</source>
        <translation>L&apos;indirizzo e-mail non è valido!</translation>
    </message>
    <message>
        <source>Port is out of the range(1-65535)!</source>
        <translation>La porta deve essere tra 1 e 65535!</translation>
    </message>
    <message>
        <source>The operator has no MMS URL, so the camera cannot send pictures by MMS.</source>
        <translation>L&apos;operatore non ha un URL MMS, quindi la fototrappola non può inviare foto via MMS.</translation>
    </message>
    <message>
        <source>The operator has no GPRS APN, so the camera cannot send pictures by GPRS.</source>
        <translation>L&apos;operatore non ha un APN GPRS, quindi la fototrappola non può inviare foto via GPRS.</translation>
    </message>
    <message>
        <source>About TQR Setup</source>
        <translation>Informazioni su TQR Setup</translation>
    </message>
    <message>
        <source>TQR Setup icon</source>
        <translation>Icona di TQR Setup</translation>
    </message>
    <message>
        <source>TQR Setup Version 1.0</source>
        <translation>TQR Setup versione 1.0</translation>
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
        <translation>Foto/video</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Modalità</translation>
    </message>
    <message>
        <source>Photo Size</source>
        <translation>Risoluzione</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Raffica</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Durata video</translation>
    </message>
    <message>
        <source>PIR/Timer</source>
        <translation>Sensore/timer</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Sensibilità</translation>
    </message>
    <message>
        <source>Start-Stop</source>
        <translation>Fascia oraria</translation>
    </message>
    <message>
        <source>Start hour</source>
        <translation>Ora di inizio</translation>
    </message>
    <message>
        <source>Start minute</source>
        <translation>Minuto di inizio</translation>
    </message>
    <message>
        <source>Stop hour</source>
        <translation>Ora di fine</translation>
    </message>
    <message>
        <source>Stop minute</source>
        <translation>Minuto di fine</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervallo</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Time-lapse</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>Data/ora</translation>
    </message>
    <message>
        <source>Flash Range</source>
        <translation>Portata flash</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Password number</source>
        <translation>Cifre della password</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefiniti</translation>
    </message>
    <message>
        <source>Email Set</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Select Email</source>
        <translation>Provider</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Mostra password</translation>
    </message>
    <message>
        <source>SMTP Server</source>
        <translation>Server SMTP</translation>
    </message>
    <message>
        <source>Secure Type</source>
        <translation>Sicurezza</translation>
    </message>
    <message>
        <source>SMTP Port</source>
        <translation>Porta SMTP</translation>
    </message>
    <message>
        <source>Test...</source>
        <translation>Prova...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Send Mode</source>
        <translation>Modalità di invio</translation>
    </message>
    <message>
        <source>Max Num</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Daily report hour</source>
        <translation>Ora dell&apos;invio giornaliero</translation>
    </message>
    <message>
        <source>Daily report minute</source>
        <translation>Minuto dell&apos;invio giornaliero</translation>
    </message>
    <message>
        <source>Send Via</source>
        <translation>Invia tramite</translation>
    </message>
    <message>
        <source>Send To</source>
        <translation>Invia a</translation>
    </message>
    <message>
        <source>Recipients</source>
        <translation>Destinatari</translation>
    </message>
    <message>
        <source>Operator Parameter</source>
        <translation>Operatore mobile</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Paese</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operatore</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Manuale</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Rename text</source>
        <translation>Nuovo nome file</translation>
    </message>
    <message>
        <source>(a-z, A-Z, 0-9 only)</source>
        <translation>(solo a-z, A-Z, 0-9)</translation>
    </message>
    <message>
        <source>Max Size</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>(35-120KB)</source>
        <translation>(35-120 KB)</translation>
    </message>
    <message>
        <source>SMS Switch</source>
        <translation>SMS</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Banda</translation>
    </message>
    <message>
        <source>Cmd Log</source>
        <translation>Log comandi</translation>
    </message>
    <message>
        <source>Qmm Dbg</source>
        <translation>Debug Qmm</translation>
    </message>
    <message>
        <source>Email Test</source>
        <translation>Prova e-mail</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Pagine delle impostazioni</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>SD:</translation>
    </message>
    <message>
        <source>Browse for the SD card folder</source>
        <translation>Scegli la cartella della scheda SD</translation>
    </message>
    <message>
        <source>Look Up Operator</source>
        <translation>Cerca operatore</translation>
    </message>
    <message>
        <source>Data APN</source>
        <translation>APN dati</translation>
    </message>
    <message>
        <source>MMS APN</source>
        <translation>APN MMS</translation>
    </message>
    <message>
        <source>Operator Param</source>
        <translation>Dati dell&apos;operatore</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Look up...</source>
        <translation>Cerca...</translation>
    </message>
    <message>
        <source>&amp;About TQR Setup...</source>
        <translation>&amp;Informazioni su TQR Setup...</translation>
    </message>
    <message>
        <source>%1, first number</source>
        <translation>%1, primo numero</translation>
    </message>
    <message>
        <source>%1, second number</source>
        <translation>%1, secondo numero</translation>
    </message>
    <message>
        <source>%1, third number</source>
        <translation>%1, terzo numero</translation>
    </message>
    <message>
        <source>%1, fourth number</source>
        <translation>%1, quarto numero</translation>
    </message>
    <message>
        <source>The action could not be completed because of an unexpected error. Your entries are still there; please try again.</source>
        <translation>Impossibile completare l&apos;operazione a causa di un errore imprevisto. I dati inseriti sono ancora lì; riprovare.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Inserire un numero intero.</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Inserire un numero intero positivo.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Inserire un numero intero tra %1 e %2.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Inserire al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>Folder Browser</source>
        <translation>Scelta cartella</translation>
    </message>
    <message>
        <source>Removable volumes</source>
        <translation>Unità rimovibili</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Cartelle</translation>
    </message>
    <message>
        <source>The mail account cannot be tried: choose its Secure Type first.</source>
        <translation>Impossibile provare l&apos;account e-mail: scegliere prima la sicurezza.</translation>
    </message>
    <message>
        <source>Server must not be null!</source>
        <translation>Inserire il server!</translation>
    </message>
    <message>
        <source>Port must not be null!</source>
        <translation>Inserire la porta!</translation>
    </message>
    <message>
        <source>Secure Type must not be null!</source>
        <translation>Scegliere la sicurezza!</translation>
    </message>
    <message>
        <source>Account or Email must not be null!</source>
        <translation>Inserire account e indirizzo e-mail!</translation>
    </message>
    <message>
        <source>Please Check and Set the Email!</source>
        <translation>Controllare le impostazioni e-mail!</translation>
    </message>
    <message>
        <source>You&apos;ll restore the default setting,<byte value="xd"/>
Are you sure?</source>
        <translation>Verranno ripristinate le impostazioni predefinite.<byte value="xd"/>
Continuare?</translation>
    </message>
    <message>
        <source>The box holds a line break (shown as an arrow or as a new line). Put all entries on one line, separated by &quot;;&quot;.</source>
        <translation>La casella contiene un a capo (mostrato come freccia o come nuova riga). Scrivere tutte le voci su una riga, separate da «;».</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annullamento...</translation>
    </message>
    <message>
        <source>Logging in to %1...</source>
        <translation>Accesso a %1...</translation>
    </message>
    <message>
        <source>The mail account does not work: %1.</source>
        <translation>L&apos;account e-mail non funziona: %1.</translation>
    </message>
    <message>
        <source>The mail account works: %1.</source>
        <translation>L&apos;account e-mail funziona: %1.</translation>
    </message>
    <message>
        <source>The mail account works: %1.<byte value="xd"/>
<byte value="xd"/>
Send a test e-mail to %2?</source>
        <translation>L&apos;account e-mail funziona: %1.<byte value="xd"/>
<byte value="xd"/>
Inviare un&apos;e-mail di prova a %2?</translation>
    </message>
    <message>
        <source>Sending the test e-mail to %1...</source>
        <translation>Invio dell&apos;e-mail di prova a %1...</translation>
    </message>
    <message>
        <source>The test e-mail was not sent: %1.</source>
        <translation>L&apos;e-mail di prova non è stata inviata: %1.</translation>
    </message>
    <message>
        <source>%1 (unusable: control character)</source>
        <translation>%1 (inutilizzabile: carattere di controllo)</translation>
    </message>
    <message>
        <source>(none in the database)</source>
        <translation>(nessuno nel database)</translation>
    </message>
    <message>
        <source>Fill in the parameters of an operator from the mobile broadband provider database.</source>
        <translation>Compila i dati di un operatore dal database degli operatori mobili.</translation>
    </message>
    <message>
        <source>The operator look-up needs the package %1 (%2 is missing).</source>
        <translation>La ricerca degli operatori richiede il pacchetto %1 (manca %2).</translation>
    </message>
    <message>
        <source>The card&apos;s settings cannot be opened: %1</source>
        <translation>Impossibile aprire le impostazioni della scheda: %1</translation>
    </message>
    <message>
        <source>%1 holds a value this tool cannot have written (%2: %3)</source>
        <translation>%1 contiene un valore che questo programma non può aver scritto (%2: %3)</translation>
    </message>
    <message>
        <source>The card uses different parameters for %1. Use the card&apos;s?</source>
        <translation>La scheda ha altri dati per %1. Usare quelli della scheda?</translation>
    </message>
    <message>
        <source>The card&apos;s parameters for %1 were not taken; the stored ones are used.</source>
        <translation>I dati della scheda per %1 non sono stati presi; si usano quelli salvati.</translation>
    </message>
    <message>
        <source>The card&apos;s parameters for %1 (%2) were replaced by the table&apos;s.</source>
        <translation>I dati della scheda per %1 (%2) sono stati sostituiti da quelli della tabella.</translation>
    </message>
    <message>
        <source>The card&apos;s hidden band, command log and debug settings are written as this tool&apos;s on OK.</source>
        <translation>Le impostazioni nascoste della scheda (banda, log comandi, debug) verranno sovrascritte con quelle di questo programma premendo OK.</translation>
    </message>
    <message>
        <source>&quot;--lang&quot; needs a language, such as de</source>
        <translation>&quot;--lang&quot; richiede una lingua, ad esempio it</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value</source>
        <translation>&quot;%1&quot; richiede un valore</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>opzione sconosciuta &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argomento inatteso &quot;%1&quot;</translation>
    </message>
    <message>
        <source>there is no translation for &quot;%1&quot;; the dialog speaks English</source>
        <translation>non esiste una traduzione per &quot;%1&quot;; la finestra è in inglese</translation>
    </message>
    <message>
        <source>Open settings from card...</source>
        <translation>Apri impostazioni dalla scheda...</translation>
    </message>
    <message>
        <source>GSM</source>
        <translation>GSM</translation>
    </message>
    <message>
        <source>Please Select the Path</source>
        <translation>Scegliere la cartella</translation>
    </message>
    <message>
        <source>PROFILE.BIN in %1 holds other settings than the dialog shows. Open them?</source>
        <translation>PROFILE.BIN in %1 contiene impostazioni diverse da quelle mostrate. Aprirle?</translation>
    </message>
    <message>
        <source>Please choose path to SD card Drive.</source>
        <translation>Scegliere la cartella della scheda SD.</translation>
    </message>
    <message>
        <source>There is no PROFILE.BIN in %1.</source>
        <translation>Non c&apos;è nessun PROFILE.BIN in %1.</translation>
    </message>
    <message>
        <source>PROFILE.BIN has been saved in %1</source>
        <translation>PROFILE.BIN è stato salvato in %1</translation>
    </message>
    <message>
        <source>; the password travelled unencrypted</source>
        <translation>; la password è stata trasmessa in chiaro</translation>
    </message>
    <message>
        <source>no SMTP server is set</source>
        <translation>nessun server SMTP indicato</translation>
    </message>
    <message>
        <source>the SMTP server name holds a control character</source>
        <translation>il nome del server SMTP contiene un carattere di controllo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a server name</source>
        <translation>«%1» non è un nome di server</translation>
    </message>
    <message>
        <source>the port &quot;%1&quot; is not a number from 1 to 65535</source>
        <translation>la porta «%1» non è un numero da 1 a 65535</translation>
    </message>
    <message>
        <source>no account is set</source>
        <translation>nessun account indicato</translation>
    </message>
    <message>
        <source>the account holds a control character</source>
        <translation>l&apos;account contiene un carattere di controllo</translation>
    </message>
    <message>
        <source>the secure type is none of NO, SSL/TLS and STARTTLS, so the password was not sent</source>
        <translation>la sicurezza non è né Nessuna né SSL/TLS né STARTTLS, quindi la password non è stata inviata</translation>
    </message>
    <message>
        <source>the sender address holds a control character, &quot;&lt;&quot; or &quot;&gt;&quot;</source>
        <translation>l&apos;indirizzo del mittente contiene un carattere di controllo, «&lt;» o «&gt;»</translation>
    </message>
    <message>
        <source>the sender address holds no &quot;@&quot;</source>
        <translation>l&apos;indirizzo del mittente non contiene «@»</translation>
    </message>
    <message>
        <source>there is no recipient for the test e-mail</source>
        <translation>l&apos;e-mail di prova non ha destinatari</translation>
    </message>
    <message>
        <source>recipient %1 holds a control character, &quot;&lt;&quot; or &quot;&gt;&quot;</source>
        <translation>il destinatario %1 contiene un carattere di controllo, «&lt;» o «&gt;»</translation>
    </message>
    <message>
        <source>recipient %1 is too long</source>
        <translation>il destinatario %1 è troppo lungo</translation>
    </message>
    <message>
        <source>recipient %1 holds no &quot;@&quot; after its first character</source>
        <translation>il destinatario %1 non contiene «@» dopo il primo carattere</translation>
    </message>
    <message>
        <source>the check was cancelled</source>
        <translation>la prova è stata annullata</translation>
    </message>
    <message>
        <source>the server name %1 cannot be found</source>
        <translation>il server %1 non è stato trovato</translation>
    </message>
    <message>
        <source>nothing answers at %1 (the connection was refused)</source>
        <translation>nessuna risposta da %1 (connessione rifiutata)</translation>
    </message>
    <message>
        <source>no answer from %1 within %2</source>
        <translation>nessuna risposta da %1 entro %2</translation>
    </message>
    <message>
        <source>the server %1 does not offer STARTTLS, so the password was not sent</source>
        <translation>il server %1 non offre STARTTLS, quindi la password non è stata inviata</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted</source>
        <translation>il certificato di %1 non è attendibile</translation>
    </message>
    <message>
        <source>no secure connection to %1 could be set up (is the secure type right?)</source>
        <translation>impossibile stabilire una connessione sicura con %1 (la sicurezza è giusta?)</translation>
    </message>
    <message>
        <source>the server refused the login%1</source>
        <translation>il server ha rifiutato l&apos;accesso%1</translation>
    </message>
    <message>
        <source>the server refused the test e-mail%1</source>
        <translation>il server ha rifiutato l&apos;e-mail di prova%1</translation>
    </message>
    <message>
        <source>the server %1 gave an unexpected answer%2</source>
        <translation>il server %1 ha dato una risposta inattesa%2</translation>
    </message>
    <message>
        <source>the connection to %1 broke off%2</source>
        <translation>la connessione con %1 si è interrotta%2</translation>
    </message>
    <message>
        <source>the system&apos;s trusted certificates cannot be read</source>
        <translation>impossibile leggere i certificati attendibili del sistema</translation>
    </message>
    <message>
        <source>the CA file %1 cannot be read</source>
        <translation>impossibile leggere il file CA %1</translation>
    </message>
    <message>
        <source>the check failed: %1%2</source>
        <translation>la prova non è riuscita: %1%2</translation>
    </message>
    <message>
        <source>a CA certificate file</source>
        <translation>un file di certificati CA</translation>
    </message>
    <message>
        <source>the mail check needs libcurl (libcurl.so.4), which could not be loaded</source>
        <translation>la prova e-mail richiede libcurl (libcurl.so.4), che non è stato possibile caricare</translation>
    </message>
    <message>
        <source>the check could not be started</source>
        <translation>impossibile avviare la prova</translation>
    </message>
    <message>
        <source>this libcurl is too old to use the CA file %1 (7.77 or later is needed)</source>
        <translation>questa libcurl è troppo vecchia per il file CA %1 (serve la 7.77 o successiva)</translation>
    </message>
    <message>
        <source>the server %1 offered no login with no encryption; the account was not tried</source>
        <translation>il server %1 non ha offerto alcun accesso senza cifratura; l&apos;account non è stato provato</translation>
    </message>
    <message>
        <source>the server %1 offered no login with %2; the account was not tried</source>
        <translation>il server %1 non ha offerto alcun accesso con %2; l&apos;account non è stato provato</translation>
    </message>
    <message>
        <source>the test e-mail from %1 to %2 was sent</source>
        <translation>l&apos;e-mail di prova da %1 a %2 è stata inviata</translation>
    </message>
    <message>
        <source>the server %1 accepted the login of %2 (no encryption)</source>
        <translation>il server %1 ha accettato l&apos;accesso di %2 (senza cifratura)</translation>
    </message>
    <message>
        <source>the server %1 accepted the login of %2 (%3)</source>
        <translation>il server %1 ha accettato l&apos;accesso di %2 (%3)</translation>
    </message>
    <message>
        <source>: the database&apos;s value has a control character; the field is left empty.</source>
        <translation>: il valore del database contiene un carattere di controllo; il campo resta vuoto.</translation>
    </message>
    <message>
        <source>: the database&apos;s value &quot;%1&quot; has characters the camera cannot store; the field is left empty.</source>
        <translation>: il valore «%1» del database contiene caratteri che la fototrappola non può memorizzare; il campo resta vuoto.</translation>
    </message>
    <message>
        <source>: the database&apos;s value is longer than %1 characters; the field is left empty.</source>
        <translation>: il valore del database supera %1 caratteri; il campo resta vuoto.</translation>
    </message>
    <message>
        <source>The database gives no MMS proxy; gateway and port are left empty.</source>
        <translation>Il database non indica alcun proxy MMS; gateway e porta restano vuoti.</translation>
    </message>
    <message>
        <source>The MMS proxy has a control character; gateway and port are left empty.</source>
        <translation>Il proxy MMS contiene un carattere di controllo; gateway e porta restano vuoti.</translation>
    </message>
    <message>
        <source>The MMS proxy &quot;%1&quot; is a host name, which the gateway address cannot hold; gateway and port are left empty.</source>
        <translation>Il proxy MMS «%1» è un nome host, che l&apos;indirizzo del gateway non può contenere; gateway e porta restano vuoti.</translation>
    </message>
    <message>
        <source>The MMS proxy &quot;%1&quot; gives no port; gateway and port are left empty.</source>
        <translation>Il proxy MMS «%1» non indica la porta; gateway e porta restano vuoti.</translation>
    </message>
    <message>
        <source>The port of the MMS proxy &quot;%1&quot; is not between 1 and %2; gateway and port are left empty.</source>
        <translation>La porta del proxy MMS «%1» non è tra 1 e %2; gateway e porta restano vuoti.</translation>
    </message>
    <message>
        <source>The chosen MMS access point has a control character in its APN, account or password; the MMS fields are left empty.</source>
        <translation>Il punto di accesso MMS scelto contiene un carattere di controllo nell&apos;APN, nell&apos;account o nella password; i campi MMS restano vuoti.</translation>
    </message>
    <message>
        <source>MMS URL</source>
        <translation>URL MMS</translation>
    </message>
    <message>
        <source>MMS account</source>
        <translation>Account MMS</translation>
    </message>
    <message>
        <source>MMS password</source>
        <translation>Password MMS</translation>
    </message>
    <message>
        <source>%1 has no MMS data in the database; the MMS fields are left empty.</source>
        <translation>Il database non ha dati MMS per %1; i campi MMS restano vuoti.</translation>
    </message>
    <message>
        <source>The chosen data access point has a control character in its APN, account or password; the GPRS fields are left empty.</source>
        <translation>Il punto di accesso dati scelto contiene un carattere di controllo nell&apos;APN, nell&apos;account o nella password; i campi GPRS restano vuoti.</translation>
    </message>
    <message>
        <source>GPRS APN</source>
        <translation>APN GPRS</translation>
    </message>
    <message>
        <source>GPRS account</source>
        <translation>Account GPRS</translation>
    </message>
    <message>
        <source>GPRS password</source>
        <translation>Password GPRS</translation>
    </message>
    <message>
        <source>%1 has no data APN in the database; the GPRS fields are left empty.</source>
        <translation>Il database non ha un APN dati per %1; i campi GPRS restano vuoti.</translation>
    </message>
    <message>
        <source>The provider database is not UTF-8 text (it declares another encoding); it is not read.</source>
        <translation>Il database degli operatori non è testo UTF-8 (dichiara un&apos;altra codifica); non viene letto.</translation>
    </message>
    <message>
        <source>The provider database is not UTF-8 text (byte %1); it is not read.</source>
        <translation>Il database degli operatori non è testo UTF-8 (byte %1); non viene letto.</translation>
    </message>
    <message>
        <source>The provider database is nested deeper than %1 levels.</source>
        <translation>Il database degli operatori è annidato oltre %1 livelli.</translation>
    </message>
    <message>
        <source>The provider database holds a text longer than %1 bytes; it is not read.</source>
        <translation>Il database degli operatori contiene un testo più lungo di %1 byte; non viene letto.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 countries, more than the real one could; it is not read.</source>
        <translation>Il database degli operatori elenca più di %1 paesi, più di quanti ne possa avere quello vero; non viene letto.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 operators in a country, more than the real one could; it is not read.</source>
        <translation>Il database degli operatori elenca più di %1 operatori in un paese, più di quanti ne possa avere quello vero; non viene letto.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 access points of an operator, more than the real one could; it is not read.</source>
        <translation>Il database degli operatori elenca più di %1 punti di accesso di un operatore, più di quanti ne possa avere quello vero; non viene letto.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 access points, more than the real one could; it is not read.</source>
        <translation>Il database degli operatori elenca più di %1 punti di accesso, più di quanti ne possa avere quello vero; non viene letto.</translation>
    </message>
    <message>
        <source>The provider database is larger than %1 MB.</source>
        <translation>Il database degli operatori supera %1 MB.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 tags, more than the real one could; it is not read.</source>
        <translation>Il database degli operatori contiene più di %1 tag, più di quanti ne possa avere quello vero; non viene letto.</translation>
    </message>
    <message>
        <source>The provider database declares entities; it is not read.</source>
        <translation>Il database degli operatori dichiara entità; non viene letto.</translation>
    </message>
    <message>
        <source>The provider database is not valid XML: %1 at byte %2.</source>
        <translation>Il database degli operatori non è XML valido: %1 al byte %2.</translation>
    </message>
    <message>
        <source>The file is not a provider database (no &lt;serviceproviders&gt;).</source>
        <translation>Il file non è un database degli operatori (manca &lt;serviceproviders&gt;).</translation>
    </message>
    <message>
        <source>The provider database %1 cannot be opened. Install the package %2 or name the file.</source>
        <translation>Impossibile aprire il database degli operatori %1. Installare il pacchetto %2 o indicare il file.</translation>
    </message>
    <message>
        <source>a provider database</source>
        <translation>un database degli operatori</translation>
    </message>
    <message>
        <source>The provider database cannot be read: </source>
        <translation>Impossibile leggere il database degli operatori: </translation>
    </message>
    <message>
        <source>Leave out the space.</source>
        <translation>Togliere lo spazio.</translation>
    </message>
    <message>
        <source>It holds a no-break space, which looks like a space: delete it.</source>
        <translation>Contiene uno spazio unificatore, che sembra uno spazio: eliminarlo.</translation>
    </message>
    <message>
        <source>It holds a character that cannot be seen (shown as &quot;%1&quot;): delete it.</source>
        <translation>Contiene un carattere invisibile (mostrato come &quot;%1&quot;): eliminarlo.</translation>
    </message>
    <message>
        <source>Leave out &quot;%1&quot;.</source>
        <translation>Togliere &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number from %2 to %3; the box is empty.</source>
        <translation>&quot;%1&quot; richiede un numero intero da %2 a %3; la casella è vuota.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number from %2 to %3; &quot;%4&quot; is not one.</source>
        <translation>&quot;%1&quot; richiede un numero intero da %2 a %3; &quot;%4&quot; non è un numero intero.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number, written with digits; the box is empty.</source>
        <translation>&quot;%1&quot; richiede un numero intero scritto in cifre; la casella è vuota.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number, written with digits; &quot;%2&quot; is not one.</source>
        <translation>&quot;%1&quot; richiede un numero intero scritto in cifre; &quot;%2&quot; non è un numero intero.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number from %2 to %3, not %4.</source>
        <translation>&quot;%1&quot; richiede un numero intero da %2 a %3, non %4.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds at most %2 characters; it has %3.</source>
        <translation>&quot;%1&quot; contiene al massimo %2 caratteri; ne ha %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds at most %2 characters; &quot;%3&quot; has %4.</source>
        <translation>&quot;%1&quot; contiene al massimo %2 caratteri; &quot;%3&quot; ne ha %4.</translation>
    </message>
    <message>
        <source>&quot;Max Num&quot; takes a whole number from 0 to 99, not %1.</source>
        <translation>&quot;Numero&quot; accetta un numero intero da 0 a 99, non %1.</translation>
    </message>
    <message>
        <source>%1:%2 is no time of day: the hour is 0 to 23 and the minute 0 to 59.</source>
        <translation>%1:%2 non è un orario: l&apos;ora va da 0 a 23 e i minuti da 0 a 59.</translation>
    </message>
    <message>
        <source>&quot;Max Size&quot; takes a whole number of KB from 35 to 120, not %1.</source>
        <translation>&quot;Max&quot; accetta un numero intero di KB da 35 a 120, non %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a new name takes only the letters a-z and A-Z and the digits 0-9.</source>
        <translation>&quot;%1&quot;: un nuovo nome contiene solo le lettere a-z e A-Z e le cifre 0-9.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (number %2 in the box): a phone number holds digits only, with one &quot;+&quot; at the start.</source>
        <translation>&quot;%1&quot; (numero %2 della casella): un numero di telefono contiene solo cifre, con un &quot;+&quot; all&apos;inizio.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (number %2 in the box) has %3 characters; a phone number has at most 23.</source>
        <translation>&quot;%1&quot; (numero %2 della casella) ha %3 caratteri; un numero di telefono ne ha al massimo 23.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (address %2 in the box) has %3 characters; an address has at most 47.</source>
        <translation>&quot;%1&quot; (indirizzo %2 della casella) ha %3 caratteri; un indirizzo ne ha al massimo 47.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (address %2 in the box): an address needs a name, &quot;@&quot; and a domain, for example anna@example.org.</source>
        <translation>&quot;%1&quot; (indirizzo %2 della casella): un indirizzo richiede un nome, &quot;@&quot; e un dominio, ad esempio anna@example.org.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (address %2 in the box): an address holds neither &quot;&lt;&quot;, &quot;&gt;&quot; nor a control character.</source>
        <translation>&quot;%1&quot; (indirizzo %2 della casella): un indirizzo non contiene né &quot;&lt;&quot;, né &quot;&gt;&quot;, né caratteri di controllo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the port is a whole number from 1 to 65535, such as 25, 465 or 587.</source>
        <translation>&quot;%1&quot;: la porta è un numero intero da 1 a 65535, come 25, 465 o 587.</translation>
    </message>
    <message>
        <source>&quot;SMTP Server&quot; is empty: enter the server that sends the camera&apos;s mail, as the mail provider names it, for example smtp.example.org.</source>
        <translation>&quot;Server SMTP&quot; è vuoto: inserire il server che invia le e-mail della fototrappola, come lo indica il provider, ad esempio smtp.example.org.</translation>
    </message>
    <message>
        <source>&quot;SMTP Port&quot; is empty: enter the port the mail provider gives, usually 25, 465 or 587.</source>
        <translation>&quot;Porta SMTP&quot; è vuota: inserire la porta indicata dal provider, di solito 25, 465 o 587.</translation>
    </message>
    <message>
        <source>&quot;Secure Type&quot; is not chosen: pick the one the mail provider gives for this port (often SSL/TLS for 465, STARTTLS for 587).</source>
        <translation>&quot;Sicurezza&quot; non è scelta: scegliere quella indicata dal provider per questa porta (spesso SSL/TLS per 465, STARTTLS per 587).</translation>
    </message>
    <message>
        <source>&quot;Email&quot; is empty: enter the address the camera sends from, for example camera@example.org.</source>
        <translation>&quot;Email&quot; è vuoto: inserire l&apos;indirizzo da cui invia la fototrappola, ad esempio camera@example.org.</translation>
    </message>
    <message>
        <source>&quot;Account&quot; is empty: enter the name the mail server knows the account by, often the address itself.</source>
        <translation>&quot;Account&quot; è vuoto: inserire il nome con cui il server di posta conosce l&apos;account, spesso l&apos;indirizzo stesso.</translation>
    </message>
    <message>
        <source>&quot;Password&quot; is empty: enter the account&apos;s password.</source>
        <translation>&quot;Password&quot; è vuota: inserire la password dell&apos;account.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the 5th number in the box; the camera keeps four. Remove one.</source>
        <translation>&quot;%1&quot; è il 5° numero della casella; la fototrappola ne tiene quattro. Toglierne uno.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the 5th address in the box; the camera keeps four. Remove one.</source>
        <translation>&quot;%1&quot; è il 5° indirizzo della casella; la fototrappola ne tiene quattro. Toglierne uno.</translation>
    </message>
    <message>
        <source>With &quot;SMS Switch&quot; on, the camera needs a phone number for its text messages, for example +4917012345678.</source>
        <translation>Con &quot;SMS&quot; attivo, la fototrappola richiede un numero di telefono per i suoi SMS, ad esempio +393471234567.</translation>
    </message>
    <message>
        <source>With Send To &quot;Phone&quot; or &quot;Both&quot;, the camera needs at least one phone number, for example +4917012345678.</source>
        <translation>Con Invia a &quot;Tel.&quot; o &quot;Tutti&quot;, la fototrappola richiede almeno un numero di telefono, ad esempio +393471234567.</translation>
    </message>
    <message>
        <source>With Send To &quot;Email&quot; or &quot;Both&quot;, the camera needs at least one address, for example anna@example.org.</source>
        <translation>Con Invia a &quot;Email&quot; o &quot;Tutti&quot;, la fototrappola richiede almeno un indirizzo, ad esempio anna@example.org.</translation>
    </message>
    <message>
        <source>&quot;Path&quot; is empty: pick the SD card&apos;s folder with &quot;...&quot; or type it, for example /media/anna/CAMERA.</source>
        <translation>&quot;SD&quot; è vuoto: scegliere la cartella della scheda SD con &quot;...&quot; o scriverla, ad esempio /media/anna/CAMERA.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the address the camera sends from needs an &quot;@&quot;, as in camera@example.org.</source>
        <translation>&quot;%1&quot;: l&apos;indirizzo da cui invia la fototrappola richiede una &quot;@&quot;, come in camera@example.org.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the address the camera sends from holds neither &quot;&lt;&quot;, &quot;&gt;&quot; nor a control character.</source>
        <translation>&quot;%1&quot;: l&apos;indirizzo da cui invia la fototrappola non contiene né &quot;&lt;&quot;, né &quot;&gt;&quot;, né caratteri di controllo.</translation>
    </message>
    <message>
        <source>The card did not keep %1: reading it back gave other bytes than were written. The card may be failing or counterfeit. Nothing was saved.</source>
        <translation>La scheda non ha conservato %1: rileggendolo i byte erano diversi da quelli scritti. La scheda potrebbe essere guasta o contraffatta. Non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>Espelli</translation>
    </message>
    <message>
        <source>%1 can be removed now.</source>
        <translation>Ora si può rimuovere %1.</translation>
    </message>
    <message>
        <source>%1 cannot be ejected yet: a program is still using it.</source>
        <translation>Non si può ancora espellere %1: un programma lo sta ancora usando.</translation>
    </message>
    <message>
        <source>%1 cannot be ejected: the system does not allow you to.</source>
        <translation>Non si può espellere %1: il sistema non lo consente.</translation>
    </message>
    <message>
        <source>%1 has been unmounted or removed already.</source>
        <translation>%1 è già stato smontato o rimosso.</translation>
    </message>
    <message>
        <source>%1 cannot be ejected: the disk service UDisks2 is not running.</source>
        <translation>Non si può espellere %1: il servizio dei dischi UDisks2 non è in esecuzione.</translation>
    </message>
    <message>
        <source>%1 cannot be ejected: %2.</source>
        <translation>Non si può espellere %1: %2.</translation>
    </message>
</context>
</TS>
