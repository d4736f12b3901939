<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>TQRSetup</name>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 est introuvable.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 contient un chemin non valide.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>%1 n&apos;a pas pu être ouvert : trop de fichiers sont ouverts.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>L&apos;accès à %1 a été refusé.</translation>
    </message>
    <message>
        <source>An invalid file handle was associated with %1.</source>
        <translation>%1 était associé à un descripteur de fichier non valide.</translation>
    </message>
    <message>
        <source>%1 could not be removed because it is the current directory.</source>
        <translation>%1 n&apos;a pas pu être supprimé, car c&apos;est le dossier courant.</translation>
    </message>
    <message>
        <source>%1 could not be created because the directory is full.</source>
        <translation>%1 n&apos;a pas pu être créé, car le dossier est plein.</translation>
    </message>
    <message>
        <source>Seek failed on %1</source>
        <translation>Positionnement impossible dans %1</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>Une erreur matérielle d&apos;entrée/sortie s&apos;est produite en accédant à %1.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Une violation de partage s&apos;est produite en accédant à %1.</translation>
    </message>
    <message>
        <source>A locking violation occurred while accessing %1.</source>
        <translation>Une violation de verrouillage s&apos;est produite en accédant à %1.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>Le support est plein (accès à %1).</translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>Tentative d&apos;accès au-delà de la fin de %1.</translation>
    </message>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>Une erreur inconnue s&apos;est produite en accédant à %1.</translation>
    </message>
    <message>
        <source>an unnamed file</source>
        <translation>un fichier sans nom</translation>
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
        <translation>Non</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
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
        <translation>1 photo</translation>
    </message>
    <message>
        <source>2 Photos</source>
        <translation>2 photos</translation>
    </message>
    <message>
        <source>3 Photos</source>
        <translation>3 photos</translation>
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
        <translation>Faible</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Forte</translation>
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
        <translation>Immédiat</translation>
    </message>
    <message>
        <source>DailyReport</source>
        <translation>Quotidien</translation>
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
        <translation>Tél.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Tous</translation>
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
        <translation>Aucune</translation>
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
        <translation>Le nombre d&apos;envois immédiats doit être compris entre 0 et 99 !</translation>
    </message>
    <message>
        <source>Daily report time is error!</source>
        <translation>L&apos;heure du rapport quotidien n&apos;est pas valide !</translation>
    </message>
    <message>
        <source>Phone number is invalid!</source>
        <translation>Le numéro de téléphone n&apos;est pas valide !</translation>
    </message>
    <message>
        <source>The phone is out of the max length!</source>
        <translation>Le numéro de téléphone est trop long !</translation>
    </message>
    <message>
        <source>The email is out of the max length!</source>
        <translation>L&apos;adresse e-mail est trop longue !</translation>
    </message>
    <message>
        <source>The email&apos;s Format is error!</source>
        <translation>L&apos;adresse e-mail est mal écrite !</translation>
    </message>
    <message>
        <source>The phone must not be null!</source>
        <translation>Veuillez saisir un numéro de téléphone !</translation>
    </message>
    <message>
        <source>The email must not be null!</source>
        <translation>Veuillez saisir une adresse e-mail !</translation>
    </message>
    <message>
        <source>The letters or/and digits are allowed for rename!</source>
        <translation>Pour renommer, seuls les lettres et les chiffres sont permis !</translation>
    </message>
    <message>
        <source>Max Size is out of the range(35-120)!</source>
        <translation>La taille maximale doit être comprise entre 35 et 120 !</translation>
    </message>
    <message>
        <source>At most 4 phone numbers can be stored!</source>
        <translation>4 numéros de téléphone au plus !</translation>
    </message>
    <message>
        <source>At most 4 email addresses can be stored!</source>
        <translation>4 adresses e-mail au plus !</translation>
    </message>
    <message>
        <source>Email is invalid!</source>
        <translation>L&apos;adresse e-mail n&apos;est pas valide !</translation>
    </message>
    <message>
        <source>Port is out of the range(1-65535)!</source>
        <translation>Le port doit être compris entre 1 et 65535 !</translation>
    </message>
    <message>
        <source>About TQR Setup</source>
        <translation>À propos de TQR Setup</translation>
    </message>
    <message>
        <source>TQR Setup icon</source>
        <translation>Icône de TQR Setup</translation>
    </message>
    <message>
        <source>TQR Setup Version 1.0</source>
        <translation>TQR Setup version 1.0</translation>
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
        <translation>Photo/Vidéo</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Photo Size</source>
        <translation>Taille photo</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Rafale</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Taille vidéo</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Durée vidéo</translation>
    </message>
    <message>
        <source>PIR/Timer</source>
        <translation>Détection/Horaire</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Sensibilité</translation>
    </message>
    <message>
        <source>Start-Stop</source>
        <translation>Plage</translation>
    </message>
    <message>
        <source>Start hour</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>Start minute</source>
        <translation>Minute de début</translation>
    </message>
    <message>
        <source>Stop hour</source>
        <translation>Heure de fin</translation>
    </message>
    <message>
        <source>Stop minute</source>
        <translation>Minute de fin</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Time-lapse</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>Horodatage</translation>
    </message>
    <message>
        <source>Flash Range</source>
        <translation>Portée flash</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Password number</source>
        <translation>Code du mot de passe</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Défaut</translation>
    </message>
    <message>
        <source>Email Set</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Select Email</source>
        <translation>Fournisseur</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Afficher le code</translation>
    </message>
    <message>
        <source>SMTP Server</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>Secure Type</source>
        <translation>Sécurité</translation>
    </message>
    <message>
        <source>SMTP Port</source>
        <translation>Port SMTP</translation>
    </message>
    <message>
        <source>Test...</source>
        <translation>Tester...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Send Mode</source>
        <translation>Mode d&apos;envoi</translation>
    </message>
    <message>
        <source>Max Num</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Daily report hour</source>
        <translation>Heure du rapport quotidien</translation>
    </message>
    <message>
        <source>Daily report minute</source>
        <translation>Minute du rapport quotidien</translation>
    </message>
    <message>
        <source>Send Via</source>
        <translation>Envoi par</translation>
    </message>
    <message>
        <source>Send To</source>
        <translation>Envoi à</translation>
    </message>
    <message>
        <source>Recipients</source>
        <translation>Destinataires</translation>
    </message>
    <message>
        <source>Operator Parameter</source>
        <translation>Opérateur mobile</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Opérateur</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Perso</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Rename text</source>
        <translation>Nouveau nom de fichier</translation>
    </message>
    <message>
        <source>(a-z, A-Z, 0-9 only)</source>
        <translation>(a-z, A-Z, 0-9 seulement)</translation>
    </message>
    <message>
        <source>Max Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>Ko</translation>
    </message>
    <message>
        <source>(35-120KB)</source>
        <translation>(35-120 Ko)</translation>
    </message>
    <message>
        <source>SMS Switch</source>
        <translation>SMS</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Bande</translation>
    </message>
    <message>
        <source>Cmd Log</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Qmm Dbg</source>
        <translation>Débogage</translation>
    </message>
    <message>
        <source>Data APN</source>
        <translation>APN données</translation>
    </message>
    <message>
        <source>Look Up Operator</source>
        <translation>Rechercher un opérateur</translation>
    </message>
    <message>
        <source>Look up...</source>
        <translation>Rechercher...</translation>
    </message>
    <message>
        <source>MMS APN</source>
        <translation>APN MMS</translation>
    </message>
    <message>
        <source>Email Test</source>
        <translation>Test e-mail</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Pages de réglages</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Où :</translation>
    </message>
    <message>
        <source>Browse for the SD card folder</source>
        <translation>Choisir le dossier de la carte SD</translation>
    </message>
    <message>
        <source>Operator Param</source>
        <translation>Paramètres de l&apos;opérateur</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Passerelle</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>&amp;About TQR Setup...</source>
        <translation>&amp;À propos de TQR Setup...</translation>
    </message>
    <message>
        <source>The action could not be completed because of an unexpected error. Your entries are still there; please try again.</source>
        <translation>L&apos;action n&apos;a pas pu aboutir à cause d&apos;une erreur inattendue. Vos saisies sont conservées ; veuillez réessayer.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Veuillez saisir un nombre entier.</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Veuillez saisir un nombre entier positif.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Veuillez saisir un nombre entier entre %1 et %2.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Veuillez saisir %1 caractères au plus.</translation>
    </message>
    <message>
        <source>The mail account cannot be tried: choose its Secure Type first.</source>
        <translation>Impossible de tester le compte e-mail : choisissez d&apos;abord sa sécurité.</translation>
    </message>
    <message>
        <source>Server must not be null!</source>
        <translation>Veuillez saisir le serveur !</translation>
    </message>
    <message>
        <source>Port must not be null!</source>
        <translation>Veuillez saisir le port !</translation>
    </message>
    <message>
        <source>Secure Type must not be null!</source>
        <translation>Veuillez choisir la sécurité !</translation>
    </message>
    <message>
        <source>Account or Email must not be null!</source>
        <translation>Veuillez saisir le compte et l&apos;adresse e-mail !</translation>
    </message>
    <message>
        <source>Please Check and Set the Email!</source>
        <translation>Veuillez vérifier les réglages e-mail !</translation>
    </message>
    <message>
        <source>You&apos;ll restore the default setting,<byte value="xd"/>
Are you sure?</source>
        <translation>Les réglages par défaut vont être rétablis.<byte value="xd"/>
Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annulation...</translation>
    </message>
    <message>
        <source>Logging in to %1...</source>
        <translation>Connexion à %1...</translation>
    </message>
    <message>
        <source>The mail account does not work: %1.</source>
        <translation>Le compte e-mail ne fonctionne pas : %1.</translation>
    </message>
    <message>
        <source>The mail account works: %1.</source>
        <translation>Le compte e-mail fonctionne : %1.</translation>
    </message>
    <message>
        <source>The mail account works: %1.<byte value="xd"/>
<byte value="xd"/>
Send a test e-mail to %2?</source>
        <translation>Le compte e-mail fonctionne : %1.<byte value="xd"/>
<byte value="xd"/>
Envoyer un e-mail d&apos;essai à %2 ?</translation>
    </message>
    <message>
        <source>Sending the test e-mail to %1...</source>
        <translation>Envoi de l&apos;e-mail d&apos;essai à %1...</translation>
    </message>
    <message>
        <source>The test e-mail was not sent: %1.</source>
        <translation>L&apos;e-mail d&apos;essai n&apos;a pas été envoyé : %1.</translation>
    </message>
    <message>
        <source>GSM</source>
        <translation>GSM</translation>
    </message>
    <message>
        <source>Please Select the Path</source>
        <translation>Choisissez le dossier</translation>
    </message>
    <message>
        <source>Please choose path to SD card Drive.</source>
        <translation>Veuillez choisir le dossier de la carte SD.</translation>
    </message>
    <message>
        <source>PROFILE.BIN has been saved in %1</source>
        <translation>PROFILE.BIN a été enregistré dans %1</translation>
    </message>
    <message>
        <source>Folder Browser</source>
        <translation>Choix du dossier</translation>
    </message>
    <message>
        <source>Removable volumes</source>
        <translation>Supports amovibles</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>no SMTP server is set</source>
        <translation>aucun serveur SMTP n&apos;est indiqué</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a server name</source>
        <translation>« %1 » n&apos;est pas un nom de serveur</translation>
    </message>
    <message>
        <source>the port &quot;%1&quot; is not a number from 1 to 65535</source>
        <translation>le port « %1 » n&apos;est pas un nombre de 1 à 65535</translation>
    </message>
    <message>
        <source>no account is set</source>
        <translation>aucun compte n&apos;est indiqué</translation>
    </message>
    <message>
        <source>the check was cancelled</source>
        <translation>le test a été annulé</translation>
    </message>
    <message>
        <source>the server name %1 cannot be found</source>
        <translation>le serveur %1 est introuvable</translation>
    </message>
    <message>
        <source>nothing answers at %1 (the connection was refused)</source>
        <translation>rien ne répond à %1 (la connexion a été refusée)</translation>
    </message>
    <message>
        <source>no answer from %1 within %2</source>
        <translation>pas de réponse de %1 en %2</translation>
    </message>
    <message>
        <source>the server %1 does not offer STARTTLS, so the password was not sent</source>
        <translation>le serveur %1 ne propose pas STARTTLS, le mot de passe n&apos;a donc pas été envoyé</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted</source>
        <translation>le certificat de %1 n&apos;est pas reconnu</translation>
    </message>
    <message>
        <source>no secure connection to %1 could be set up (is the secure type right?)</source>
        <translation>aucune connexion sécurisée avec %1 (la sécurité est-elle la bonne ?)</translation>
    </message>
    <message>
        <source>the server refused the login%1</source>
        <translation>le serveur a refusé la connexion%1</translation>
    </message>
    <message>
        <source>the server refused the test e-mail%1</source>
        <translation>le serveur a refusé l&apos;e-mail d&apos;essai%1</translation>
    </message>
    <message>
        <source>the server %1 gave an unexpected answer%2</source>
        <translation>le serveur %1 a répondu de façon inattendue%2</translation>
    </message>
    <message>
        <source>the connection to %1 broke off%2</source>
        <translation>la connexion avec %1 a été interrompue%2</translation>
    </message>
    <message>
        <source>the system&apos;s trusted certificates cannot be read</source>
        <translation>les certificats de confiance du système sont illisibles</translation>
    </message>
    <message>
        <source>the CA file %1 cannot be read</source>
        <translation>le fichier CA %1 est illisible</translation>
    </message>
    <message>
        <source>the check failed: %1%2</source>
        <translation>le test a échoué : %1%2</translation>
    </message>
    <message>
        <source>there is no recipient for the test e-mail</source>
        <translation>l&apos;e-mail d&apos;essai n&apos;a aucun destinataire</translation>
    </message>
    <message>
        <source>the mail check needs libcurl (libcurl.so.4), which could not be loaded</source>
        <translation>le test e-mail a besoin de libcurl (libcurl.so.4), qui n&apos;a pas pu être chargée</translation>
    </message>
    <message>
        <source>the check could not be started</source>
        <translation>le test n&apos;a pas pu démarrer</translation>
    </message>
    <message>
        <source>the server %1 offered no login with no encryption; the account was not tried</source>
        <translation>le serveur %1 ne propose aucune connexion sans chiffrement ; le compte n&apos;a pas été testé</translation>
    </message>
    <message>
        <source>the server %1 offered no login with %2; the account was not tried</source>
        <translation>le serveur %1 ne propose aucune connexion avec %2 ; le compte n&apos;a pas été testé</translation>
    </message>
    <message>
        <source>the test e-mail from %1 to %2 was sent</source>
        <translation>l&apos;e-mail d&apos;essai de %1 à %2 a été envoyé</translation>
    </message>
    <message>
        <source>the server %1 accepted the login of %2 (no encryption)</source>
        <translation>le serveur %1 a accepté la connexion de %2 (sans chiffrement)</translation>
    </message>
    <message>
        <source>the server %1 accepted the login of %2 (%3)</source>
        <translation>le serveur %1 a accepté la connexion de %2 (%3)</translation>
    </message>
    <message>
        <source>%1, first number</source>
        <translation>%1, premier nombre</translation>
    </message>
    <message>
        <source>%1, second number</source>
        <translation>%1, deuxième nombre</translation>
    </message>
    <message>
        <source>%1, third number</source>
        <translation>%1, troisième nombre</translation>
    </message>
    <message>
        <source>%1, fourth number</source>
        <translation>%1, quatrième nombre</translation>
    </message>
    <message>
        <source>; the password travelled unencrypted</source>
        <translation> ; le mot de passe a circulé sans chiffrement</translation>
    </message>
    <message>
        <source>the SMTP server name holds a control character</source>
        <translation>le nom du serveur SMTP contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>the account holds a control character</source>
        <translation>le compte contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>the secure type is none of NO, SSL/TLS and STARTTLS, so the password was not sent</source>
        <translation>la sécurité n&apos;est ni Aucune, ni SSL/TLS, ni STARTTLS, le mot de passe n&apos;a donc pas été envoyé</translation>
    </message>
    <message>
        <source>the sender address holds a control character, &quot;&lt;&quot; or &quot;&gt;&quot;</source>
        <translation>l&apos;adresse de l&apos;expéditeur contient un caractère de contrôle, « &lt; » ou « &gt; »</translation>
    </message>
    <message>
        <source>The card&apos;s settings cannot be opened: %1</source>
        <translation>Impossible d&apos;ouvrir les réglages de la carte : %1</translation>
    </message>
    <message>
        <source>%1 holds a value this tool cannot have written (%2: %3)</source>
        <translation>%1 contient une valeur que cet outil n&apos;a pas pu écrire (%2 : %3)</translation>
    </message>
    <message>
        <source>The card uses different parameters for %1. Use the card&apos;s?</source>
        <translation>La carte a d&apos;autres paramètres pour %1. Utiliser ceux de la carte ?</translation>
    </message>
    <message>
        <source>The card&apos;s parameters for %1 were not taken; the stored ones are used.</source>
        <translation>Les paramètres de la carte pour %1 n&apos;ont pas été repris ; ceux enregistrés sont utilisés.</translation>
    </message>
    <message>
        <source>The card&apos;s parameters for %1 (%2) were replaced by the table&apos;s.</source>
        <translation>Les paramètres de la carte pour %1 (%2) ont été remplacés par ceux de la table.</translation>
    </message>
    <message>
        <source>The card&apos;s hidden band, command log and debug settings are written as this tool&apos;s on OK.</source>
        <translation>Les réglages cachés de la carte (bande, journal des commandes, débogage) seront écrits avec les valeurs de cet outil à l&apos;OK.</translation>
    </message>
    <message>
        <source>Open settings from card...</source>
        <translation>Ouvrir les réglages de la carte...</translation>
    </message>
    <message>
        <source>PROFILE.BIN in %1 holds other settings than the dialog shows. Open them?</source>
        <translation>PROFILE.BIN dans %1 contient d&apos;autres réglages que ceux affichés. Les ouvrir ?</translation>
    </message>
    <message>
        <source>There is no PROFILE.BIN in %1.</source>
        <translation>Il n&apos;y a pas de PROFILE.BIN dans %1.</translation>
    </message>
    <message>
        <source>&quot;--lang&quot; needs a language, such as de</source>
        <translation>&quot;--lang&quot; demande une langue, par exemple fr</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value</source>
        <translation>&quot;%1&quot; demande une valeur</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>option inconnue &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argument inattendu &quot;%1&quot;</translation>
    </message>
    <message>
        <source>there is no translation for &quot;%1&quot;; the dialog speaks English</source>
        <translation>il n&apos;y a pas de traduction pour &quot;%1&quot; ; la fenêtre s&apos;affiche en anglais</translation>
    </message>
    <message>
        <source>the sender address holds no &quot;@&quot;</source>
        <translation>l&apos;adresse de l&apos;expéditeur ne contient pas de « @ »</translation>
    </message>
    <message>
        <source>recipient %1 holds a control character, &quot;&lt;&quot; or &quot;&gt;&quot;</source>
        <translation>le destinataire %1 contient un caractère de contrôle, « &lt; » ou « &gt; »</translation>
    </message>
    <message>
        <source>recipient %1 is too long</source>
        <translation>le destinataire %1 est trop long</translation>
    </message>
    <message>
        <source>recipient %1 holds no &quot;@&quot; after its first character</source>
        <translation>le destinataire %1 ne contient pas de « @ » après son premier caractère</translation>
    </message>
    <message>
        <source>this libcurl is too old to use the CA file %1 (7.77 or later is needed)</source>
        <translation>cette libcurl est trop ancienne pour le fichier CA %1 (il faut la 7.77 ou plus récente)</translation>
    </message>
    <message>
        <source>%1 (unusable: control character)</source>
        <translation>%1 (inutilisable : caractère de contrôle)</translation>
    </message>
    <message>
        <source>(none in the database)</source>
        <translation>(aucun dans la base de données)</translation>
    </message>
    <message>
        <source>Fill in the parameters of an operator from the mobile broadband provider database.</source>
        <translation>Remplir les paramètres d&apos;un opérateur à partir de la base de données des opérateurs mobiles.</translation>
    </message>
    <message>
        <source>The operator look-up needs the package %1 (%2 is missing).</source>
        <translation>La recherche d&apos;opérateur nécessite le paquet %1 (%2 est introuvable).</translation>
    </message>
    <message>
        <source>: the database&apos;s value has a control character; the field is left empty.</source>
        <translation> : la valeur de la base de données contient un caractère de contrôle ; le champ reste vide.</translation>
    </message>
    <message>
        <source>: the database&apos;s value &quot;%1&quot; has characters the camera cannot store; the field is left empty.</source>
        <translation> : la valeur « %1 » de la base de données contient des caractères que la caméra ne peut pas enregistrer ; le champ reste vide.</translation>
    </message>
    <message>
        <source>: the database&apos;s value is longer than %1 characters; the field is left empty.</source>
        <translation> : la valeur de la base de données dépasse %1 caractères ; le champ reste vide.</translation>
    </message>
    <message>
        <source>The database gives no MMS proxy; gateway and port are left empty.</source>
        <translation>La base de données n&apos;indique aucun proxy MMS ; la passerelle et le port restent vides.</translation>
    </message>
    <message>
        <source>The MMS proxy has a control character; gateway and port are left empty.</source>
        <translation>Le proxy MMS contient un caractère de contrôle ; la passerelle et le port restent vides.</translation>
    </message>
    <message>
        <source>The MMS proxy &quot;%1&quot; is a host name, which the gateway address cannot hold; gateway and port are left empty.</source>
        <translation>Le proxy MMS « %1 » est un nom d&apos;hôte, que l&apos;adresse de passerelle ne peut pas contenir ; la passerelle et le port restent vides.</translation>
    </message>
    <message>
        <source>The MMS proxy &quot;%1&quot; gives no port; gateway and port are left empty.</source>
        <translation>Le proxy MMS « %1 » n&apos;indique pas de port ; la passerelle et le port restent vides.</translation>
    </message>
    <message>
        <source>The port of the MMS proxy &quot;%1&quot; is not between 1 and %2; gateway and port are left empty.</source>
        <translation>Le port du proxy MMS « %1 » n&apos;est pas compris entre 1 et %2 ; la passerelle et le port restent vides.</translation>
    </message>
    <message>
        <source>The chosen MMS access point has a control character in its APN, account or password; the MMS fields are left empty.</source>
        <translation>Le point d&apos;accès MMS choisi contient un caractère de contrôle dans son APN, son compte ou son mot de passe ; les champs MMS restent vides.</translation>
    </message>
    <message>
        <source>MMS URL</source>
        <translation>URL MMS</translation>
    </message>
    <message>
        <source>MMS account</source>
        <translation>Compte MMS</translation>
    </message>
    <message>
        <source>MMS password</source>
        <translation>Mot de passe MMS</translation>
    </message>
    <message>
        <source>%1 has no MMS data in the database; the MMS fields are left empty.</source>
        <translation>La base de données n&apos;a aucune donnée MMS pour %1 ; les champs MMS restent vides.</translation>
    </message>
    <message>
        <source>The chosen data access point has a control character in its APN, account or password; the GPRS fields are left empty.</source>
        <translation>Le point d&apos;accès de données choisi contient un caractère de contrôle dans son APN, son compte ou son mot de passe ; les champs GPRS restent vides.</translation>
    </message>
    <message>
        <source>GPRS APN</source>
        <translation>APN GPRS</translation>
    </message>
    <message>
        <source>GPRS account</source>
        <translation>Compte GPRS</translation>
    </message>
    <message>
        <source>GPRS password</source>
        <translation>Mot de passe GPRS</translation>
    </message>
    <message>
        <source>%1 has no data APN in the database; the GPRS fields are left empty.</source>
        <translation>La base de données n&apos;a aucun APN de données pour %1 ; les champs GPRS restent vides.</translation>
    </message>
    <message>
        <source>The provider database is not UTF-8 text (it declares another encoding); it is not read.</source>
        <translation>La base de données des opérateurs n&apos;est pas du texte UTF-8 (elle déclare un autre codage) ; elle n&apos;est pas lue.</translation>
    </message>
    <message>
        <source>The provider database is not UTF-8 text (byte %1); it is not read.</source>
        <translation>La base de données des opérateurs n&apos;est pas du texte UTF-8 (octet %1) ; elle n&apos;est pas lue.</translation>
    </message>
    <message>
        <source>The provider database is nested deeper than %1 levels.</source>
        <translation>La base de données des opérateurs est imbriquée sur plus de %1 niveaux.</translation>
    </message>
    <message>
        <source>The provider database holds a text longer than %1 bytes; it is not read.</source>
        <translation>La base de données des opérateurs contient un texte de plus de %1 octets ; elle n&apos;est pas lue.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 countries, more than the real one could; it is not read.</source>
        <translation>La base de données des opérateurs compte plus de %1 pays, plus que la vraie ne pourrait en avoir ; elle n&apos;est pas lue.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 operators in a country, more than the real one could; it is not read.</source>
        <translation>La base de données des opérateurs compte plus de %1 opérateurs dans un même pays, plus que la vraie ne pourrait en avoir ; elle n&apos;est pas lue.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 access points of an operator, more than the real one could; it is not read.</source>
        <translation>La base de données des opérateurs compte plus de %1 points d&apos;accès pour un même opérateur, plus que la vraie ne pourrait en avoir ; elle n&apos;est pas lue.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 access points, more than the real one could; it is not read.</source>
        <translation>La base de données des opérateurs compte plus de %1 points d&apos;accès, plus que la vraie ne pourrait en avoir ; elle n&apos;est pas lue.</translation>
    </message>
    <message>
        <source>The provider database is larger than %1 MB.</source>
        <translation>La base de données des opérateurs dépasse %1 Mo.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 tags, more than the real one could; it is not read.</source>
        <translation>La base de données des opérateurs compte plus de %1 balises, plus que la vraie ne pourrait en avoir ; elle n&apos;est pas lue.</translation>
    </message>
    <message>
        <source>The provider database declares entities; it is not read.</source>
        <translation>La base de données des opérateurs déclare des entités ; elle n&apos;est pas lue.</translation>
    </message>
    <message>
        <source>The provider database is not valid XML: %1 at byte %2.</source>
        <translation>La base de données des opérateurs n&apos;est pas du XML valide : %1 à l&apos;octet %2.</translation>
    </message>
    <message>
        <source>The file is not a provider database (no &lt;serviceproviders&gt;).</source>
        <translation>Le fichier n&apos;est pas une base de données des opérateurs (pas de &lt;serviceproviders&gt;).</translation>
    </message>
    <message>
        <source>The provider database %1 cannot be opened. Install the package %2 or name the file.</source>
        <translation>Impossible d&apos;ouvrir la base de données des opérateurs %1. Installez le paquet %2 ou indiquez le fichier.</translation>
    </message>
    <message>
        <source>The operator has no MMS URL, so the camera cannot send pictures by MMS.</source>
        <translation>L&apos;opérateur n&apos;a pas d&apos;URL MMS : la caméra ne peut donc pas envoyer de photos par MMS.</translation>
    </message>
    <message>
        <source>The operator has no GPRS APN, so the camera cannot send pictures by GPRS.</source>
        <translation>L&apos;opérateur n&apos;a pas d&apos;APN GPRS : la caméra ne peut donc pas envoyer de photos par GPRS.</translation>
    </message>
    <message>
        <source>The box holds a line break (shown as an arrow or as a new line). Put all entries on one line, separated by &quot;;&quot;.</source>
        <translation>La case contient un saut de ligne (affiché comme une flèche ou une nouvelle ligne). Mettez toutes les entrées sur une seule ligne, séparées par « ; ».</translation>
    </message>
    <message>
        <source>%1: larger than %2 bytes, not </source>
        <translation>%1 : plus de %2 octets, ce n&apos;est donc pas </translation>
    </message>
    <message>
        <source>%1: is not a regular file (a FIFO, a device or a socket), not </source>
        <translation>%1 : pas un fichier ordinaire (une FIFO, un périphérique ou un socket), ce n&apos;est donc pas </translation>
    </message>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1 ne peut pas être lu (%2)</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1 : fichier introuvable</translation>
    </message>
    <message>
        <source>%1: is a folder, not </source>
        <translation>%1 : un dossier, ce n&apos;est donc pas </translation>
    </message>
    <message>
        <source>a settings file</source>
        <translation>un fichier de réglages</translation>
    </message>
    <message>
        <source>a PROFILE.BIN</source>
        <translation>un PROFILE.BIN</translation>
    </message>
    <message>
        <source>%1: wrong size, %2 bytes (a PROFILE.BIN has 860)</source>
        <translation>%1 : taille incorrecte, %2 octets (un PROFILE.BIN en a 860)</translation>
    </message>
    <message>
        <source>a CA certificate file</source>
        <translation>un fichier de certificats CA</translation>
    </message>
    <message>
        <source>a provider database</source>
        <translation>une base d&apos;opérateurs</translation>
    </message>
    <message>
        <source>The provider database cannot be read: </source>
        <translation>La base des opérateurs ne peut pas être lue : </translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>Éjecter</translation>
    </message>
    <message>
        <source>%1 can be removed now.</source>
        <translation>%1 peut maintenant être retiré.</translation>
    </message>
    <message>
        <source>%1 cannot be ejected yet: a program is still using it.</source>
        <translation>%1 ne peut pas encore être éjecté : un programme l&apos;utilise encore.</translation>
    </message>
    <message>
        <source>%1 cannot be ejected: the system does not allow you to.</source>
        <translation>%1 ne peut pas être éjecté : le système ne vous y autorise pas.</translation>
    </message>
    <message>
        <source>%1 has been unmounted or removed already.</source>
        <translation>%1 a déjà été démonté ou retiré.</translation>
    </message>
    <message>
        <source>%1 cannot be ejected: the disk service UDisks2 is not running.</source>
        <translation>%1 ne peut pas être éjecté : le service de disques UDisks2 n&apos;est pas lancé.</translation>
    </message>
    <message>
        <source>Leave out the space.</source>
        <translation>Supprimez l&apos;espace.</translation>
    </message>
    <message>
        <source>It holds a no-break space, which looks like a space: delete it.</source>
        <translation>Il contient une espace insécable, qui ressemble à une espace : supprimez-la.</translation>
    </message>
    <message>
        <source>It holds a character that cannot be seen (shown as &quot;%1&quot;): delete it.</source>
        <translation>Il contient un caractère invisible (affiché comme &quot;%1&quot;) : supprimez-le.</translation>
    </message>
    <message>
        <source>Leave out &quot;%1&quot;.</source>
        <translation>Supprimez &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number from %2 to %3; the box is empty.</source>
        <translation>&quot;%1&quot; attend un nombre entier de %2 à %3 ; la case est vide.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number from %2 to %3; &quot;%4&quot; is not one.</source>
        <translation>&quot;%1&quot; attend un nombre entier de %2 à %3 ; &quot;%4&quot; n&apos;en est pas un.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number, written with digits; the box is empty.</source>
        <translation>&quot;%1&quot; attend un nombre entier écrit en chiffres ; la case est vide.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number, written with digits; &quot;%2&quot; is not one.</source>
        <translation>&quot;%1&quot; attend un nombre entier écrit en chiffres ; &quot;%2&quot; n&apos;en est pas un.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number from %2 to %3, not %4.</source>
        <translation>&quot;%1&quot; attend un nombre entier de %2 à %3, pas %4.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds at most %2 characters; it has %3.</source>
        <translation>&quot;%1&quot; contient au plus %2 caractères ; il en a %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds at most %2 characters; &quot;%3&quot; has %4.</source>
        <translation>&quot;%1&quot; contient au plus %2 caractères ; &quot;%3&quot; en a %4.</translation>
    </message>
    <message>
        <source>&quot;Max Num&quot; takes a whole number from 0 to 99, not %1.</source>
        <translation>&quot;Nombre&quot; accepte un nombre entier de 0 à 99, pas %1.</translation>
    </message>
    <message>
        <source>%1:%2 is no time of day: the hour is 0 to 23 and the minute 0 to 59.</source>
        <translation>%1:%2 n&apos;est pas une heure : l&apos;heure va de 0 à 23 et la minute de 0 à 59.</translation>
    </message>
    <message>
        <source>&quot;Max Size&quot; takes a whole number of KB from 35 to 120, not %1.</source>
        <translation>&quot;Taille&quot; accepte un nombre entier de Ko de 35 à 120, pas %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a new name takes only the letters a-z and A-Z and the digits 0-9.</source>
        <translation>&quot;%1&quot; : un nouveau nom ne contient que les lettres a-z et A-Z et les chiffres 0-9.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (number %2 in the box): a phone number holds digits only, with one &quot;+&quot; at the start.</source>
        <translation>&quot;%1&quot; (numéro %2 de la case) : un numéro de téléphone ne contient que des chiffres, avec un seul &quot;+&quot; au début.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (number %2 in the box) has %3 characters; a phone number has at most 23.</source>
        <translation>&quot;%1&quot; (numéro %2 de la case) a %3 caractères ; un numéro de téléphone en a au plus 23.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (address %2 in the box) has %3 characters; an address has at most 47.</source>
        <translation>&quot;%1&quot; (adresse %2 de la case) a %3 caractères ; une adresse en a au plus 47.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (address %2 in the box): an address needs a name, &quot;@&quot; and a domain, for example anna@example.org.</source>
        <translation>&quot;%1&quot; (adresse %2 de la case) : une adresse a besoin d&apos;un nom, d&apos;un &quot;@&quot; et d&apos;un domaine, par exemple anna@example.org.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (address %2 in the box): an address holds neither &quot;&lt;&quot;, &quot;&gt;&quot; nor a control character.</source>
        <translation>&quot;%1&quot; (adresse %2 de la case) : une adresse ne contient ni &quot;&lt;&quot;, ni &quot;&gt;&quot;, ni caractère de contrôle.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the port is a whole number from 1 to 65535, such as 25, 465 or 587.</source>
        <translation>&quot;%1&quot; : le port est un nombre entier de 1 à 65535, par exemple 25, 465 ou 587.</translation>
    </message>
    <message>
        <source>&quot;SMTP Server&quot; is empty: enter the server that sends the camera&apos;s mail, as the mail provider names it, for example smtp.example.org.</source>
        <translation>&quot;Serveur&quot; est vide : saisissez le serveur qui envoie les e-mails de la caméra, tel que le fournisseur le nomme, par exemple smtp.example.org.</translation>
    </message>
    <message>
        <source>&quot;SMTP Port&quot; is empty: enter the port the mail provider gives, usually 25, 465 or 587.</source>
        <translation>&quot;Port SMTP&quot; est vide : saisissez le port indiqué par le fournisseur, souvent 25, 465 ou 587.</translation>
    </message>
    <message>
        <source>&quot;Secure Type&quot; is not chosen: pick the one the mail provider gives for this port (often SSL/TLS for 465, STARTTLS for 587).</source>
        <translation>&quot;Sécurité&quot; n&apos;est pas choisie : prenez celle que le fournisseur indique pour ce port (souvent SSL/TLS pour 465, STARTTLS pour 587).</translation>
    </message>
    <message>
        <source>&quot;Email&quot; is empty: enter the address the camera sends from, for example camera@example.org.</source>
        <translation>&quot;E-mail&quot; est vide : saisissez l&apos;adresse d&apos;envoi de la caméra, par exemple camera@example.org.</translation>
    </message>
    <message>
        <source>&quot;Account&quot; is empty: enter the name the mail server knows the account by, often the address itself.</source>
        <translation>&quot;Compte&quot; est vide : saisissez le nom du compte sur le serveur, souvent l&apos;adresse elle-même.</translation>
    </message>
    <message>
        <source>&quot;Password&quot; is empty: enter the account&apos;s password.</source>
        <translation>&quot;Code&quot; est vide : saisissez le mot de passe du compte.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the 5th number in the box; the camera keeps four. Remove one.</source>
        <translation>&quot;%1&quot; est le 5e numéro de la case ; la caméra en garde quatre. Retirez-en un.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the 5th address in the box; the camera keeps four. Remove one.</source>
        <translation>&quot;%1&quot; est la 5e adresse de la case ; la caméra en garde quatre. Retirez-en une.</translation>
    </message>
    <message>
        <source>With &quot;SMS Switch&quot; on, the camera needs a phone number for its text messages, for example +4917012345678.</source>
        <translation>Avec &quot;SMS&quot; activé, la caméra a besoin d&apos;un numéro de téléphone pour ses SMS, par exemple +33612345678.</translation>
    </message>
    <message>
        <source>With Send To &quot;Phone&quot; or &quot;Both&quot;, the camera needs at least one phone number, for example +4917012345678.</source>
        <translation>Avec Envoi à &quot;Tél.&quot; ou &quot;Tous&quot;, la caméra a besoin d&apos;au moins un numéro de téléphone, par exemple +33612345678.</translation>
    </message>
    <message>
        <source>With Send To &quot;Email&quot; or &quot;Both&quot;, the camera needs at least one address, for example anna@example.org.</source>
        <translation>Avec Envoi à &quot;E-mail&quot; ou &quot;Tous&quot;, la caméra a besoin d&apos;au moins une adresse, par exemple anna@example.org.</translation>
    </message>
    <message>
        <source>&quot;Path&quot; is empty: pick the SD card&apos;s folder with &quot;...&quot; or type it, for example /media/anna/CAMERA.</source>
        <translation>&quot;Où&quot; est vide : choisissez le dossier de la carte SD avec &quot;...&quot; ou saisissez-le, par exemple /media/anna/CAMERA.</translation>
    </message>
    <message>
        <source>%1 cannot be ejected: %2.</source>
        <translation>%1 ne peut pas être éjecté : %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the address the camera sends from needs an &quot;@&quot;, as in camera@example.org.</source>
        <translation>&quot;%1&quot; : l&apos;adresse d&apos;envoi de la caméra a besoin d&apos;un &quot;@&quot;, comme camera@example.org.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the address the camera sends from holds neither &quot;&lt;&quot;, &quot;&gt;&quot; nor a control character.</source>
        <translation>&quot;%1&quot; : l&apos;adresse d&apos;envoi de la caméra ne contient ni &quot;&lt;&quot;, ni &quot;&gt;&quot;, ni caractère de contrôle.</translation>
    </message>
    <message>
        <source>The card did not keep %1: reading it back gave other bytes than were written. The card may be failing or counterfeit. Nothing was saved.</source>
        <translation>La carte n&apos;a pas conservé %1 : la relecture a donné d&apos;autres octets que ceux écrits. La carte est peut-être défectueuse ou contrefaite. Rien n&apos;a été enregistré.</translation>
    </message>
</context>
</TS>
