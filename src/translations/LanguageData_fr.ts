<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutWindows</name>
    <message>
        <source>About</source>
        <translation>À propos de</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Unkown OS</source>
        <translation>Système d&apos;exploitation inconnu</translation>
    </message>
    <message>
        <source>Microsoft</source>
        <translation>Microsoft</translation>
    </message>
</context>
<context>
    <name>AddressDialog</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
</context>
<context>
    <name>FilePreview</name>
    <message>
        <source>Lines of the file</source>
        <translation>Lignes du fichier</translation>
    </message>
    <message>
        <source>Each line ends with CR LF.</source>
        <translation>Chaque ligne se termine par CR LF.</translation>
    </message>
    <message>
        <source>No option is ticked: Save writes an empty file.</source>
        <translation>Aucune option n&apos;est cochée : le fichier enregistré sera vide.</translation>
    </message>
</context>
<context>
    <name>ImportReport</name>
    <message>
        <source>no value; it takes %1</source>
        <translation>aucune valeur ; l&apos;option prend %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not one of %2</source>
        <translation>« %1 » n&apos;est pas l&apos;une des valeurs %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds no number in &apos;%2&apos;, the part of it that is read; it takes %3</source>
        <translation>« %1 » n&apos;a pas de nombre dans « %2 », la partie qui en est lue ; l&apos;option prend %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds no number; it takes %2</source>
        <translation>« %1 » n&apos;a pas de nombre ; l&apos;option prend %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; reads as %2, not one of %3</source>
        <translation>« %1 » se lit %2, qui n&apos;est pas l&apos;une des valeurs %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is outside %2</source>
        <translation>« %1 » est hors de %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; reads as %2, outside %3</source>
        <translation>« %1 » se lit %2, hors de %3</translation>
    </message>
    <message>
        <source>%1: %2; the row keeps %3</source>
        <translation>%1 : %2 ; l&apos;option garde %3</translation>
    </message>
    <message>
        <source>%1 is given on %2 lines (%3): the last, line %4, is taken</source>
        <translation>%1 figure sur %2 lignes (%3) : la dernière, ligne %4, est prise</translation>
    </message>
    <message>
        <source>%1 is given on %2 lines (%3): line %4 is taken, the later ones are refused</source>
        <translation>%1 figure sur %2 lignes (%3) : la ligne %4 est prise, les suivantes sont refusées</translation>
    </message>
    <message>
        <source>%1 is given on %2 lines (%3), all refused</source>
        <translation>%1 figure sur %2 lignes (%3), toutes refusées</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an option; those of its kind are %2 to %3</source>
        <translation>« %1 » n&apos;est pas une option ; celles de ce genre vont de %2 à %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an option; did you mean %2?</source>
        <translation>« %1 » n&apos;est pas une option ; vouliez-vous dire %2 ?</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an option</source>
        <translation>« %1 » n&apos;est pas une option</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; read as %3</source>
        <translation>%1 : « %2 » lu comme %3</translation>
    </message>
    <message>
        <source>The file holds no option line; nothing is taken from it.</source>
        <translation>Le fichier ne contient aucune ligne d&apos;option ; rien n&apos;en est pris.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>Reasons and warnings:</source>
        <translation>Raisons et avertissements :</translation>
    </message>
    <message>
        <source>%1 more reasons and warnings are not shown.</source>
        <translation>%1 autres raisons et avertissements ne sont pas affichés.</translation>
    </message>
    <message>
        <source>No option line found, warnings: %1</source>
        <translation>Aucune ligne d&apos;option trouvée, avertissements : %1</translation>
    </message>
    <message>
        <source>Option lines: %1, refused: %2, warnings: %3</source>
        <translation>Lignes d&apos;option : %1, refusées : %2, avertissements : %3</translation>
    </message>
    <message>
        <source>not a text file: it holds NUL bytes, or UTF-16 or UTF-32 that does not decode</source>
        <translation>ce n&apos;est pas un fichier texte : il contient des octets nuls, ou de l&apos;UTF-16 ou de l&apos;UTF-32 qui ne se décode pas</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>ID:</source>
        <translation>ID :</translation>
    </message>
    <message>
        <source>Player ID (#ID)</source>
        <translation>Identifiant du lecteur (#ID)</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volume :</translation>
    </message>
    <message>
        <source>Player digital volume (#VOLUME)</source>
        <translation>Volume numérique du lecteur (#VOLUME)</translation>
    </message>
    <message>
        <source>Power:</source>
        <translation>Énergie :</translation>
    </message>
    <message>
        <source>Energy saving mode (#POWER)</source>
        <translation>Mode d&apos;économie d&apos;énergie (#POWER)</translation>
    </message>
    <message>
        <source>Monitoring:</source>
        <translation>Surveillance :</translation>
    </message>
    <message>
        <source>Serial monitoring mode (#RS_MONITORING)</source>
        <translation>Mode série (#RS_MONITORING)</translation>
    </message>
    <message>
        <source>Boot:</source>
        <translation>Démarrage :</translation>
    </message>
    <message>
        <source>Default boot folder (#BOOT)</source>
        <translation>Dossier de démarrage par défaut (#BOOT)</translation>
    </message>
    <message>
        <source>Input 01:</source>
        <translation>Entrée 01 :</translation>
    </message>
    <message>
        <source>Input 1 function (#INPUT01)</source>
        <translation>Fonction (#INPUT01)</translation>
    </message>
    <message>
        <source>Input 02:</source>
        <translation>Entrée 02 :</translation>
    </message>
    <message>
        <source>Input 2 function (#INPUT02)</source>
        <translation>Fonction (#INPUT02)</translation>
    </message>
    <message>
        <source>Input 03:</source>
        <translation>Entrée 03 :</translation>
    </message>
    <message>
        <source>Input 3 function (#INPUT03)</source>
        <translation>Fonction (#INPUT03)</translation>
    </message>
    <message>
        <source>Input 04:</source>
        <translation>Entrée 04 :</translation>
    </message>
    <message>
        <source>Input 4 function (#INPUT04)</source>
        <translation>Fonction (#INPUT04)</translation>
    </message>
    <message>
        <source>Input 05:</source>
        <translation>Entrée 05 :</translation>
    </message>
    <message>
        <source>Input 5 function (#INPUT05)</source>
        <translation>Fonction (#INPUT05)</translation>
    </message>
    <message>
        <source>Input 06:</source>
        <translation>Entrée 06 :</translation>
    </message>
    <message>
        <source>Input 6 function (#INPUT06)</source>
        <translation>Fonction (#INPUT06)</translation>
    </message>
    <message>
        <source>Input 07:</source>
        <translation>Entrée 07 :</translation>
    </message>
    <message>
        <source>Input 7 function (#INPUT07)</source>
        <translation>Fonction (#INPUT07)</translation>
    </message>
    <message>
        <source>Input 08:</source>
        <translation>Entrée 08 :</translation>
    </message>
    <message>
        <source>Input 8 function (#INPUT08)</source>
        <translation>Fonction (#INPUT08)</translation>
    </message>
    <message>
        <source>Input 09:</source>
        <translation>Entrée 09 :</translation>
    </message>
    <message>
        <source>Input 9 function (#INPUT09)</source>
        <translation>Fonction (#INPUT09)</translation>
    </message>
    <message>
        <source>Input 10:</source>
        <translation>Entrée 10 :</translation>
    </message>
    <message>
        <source>Input 10 function (#INPUT10)</source>
        <translation>Fonction (#INPUT10)</translation>
    </message>
    <message>
        <source>Input 11:</source>
        <translation>Entrée 11 :</translation>
    </message>
    <message>
        <source>Input 11 function (#INPUT11)</source>
        <translation>Fonction (#INPUT11)</translation>
    </message>
    <message>
        <source>Input 12:</source>
        <translation>Entrée 12 :</translation>
    </message>
    <message>
        <source>Input 12 function (#INPUT12)</source>
        <translation>Fonction (#INPUT12)</translation>
    </message>
    <message>
        <source>Input 13:</source>
        <translation>Entrée 13 :</translation>
    </message>
    <message>
        <source>Input 13 function (#INPUT13)</source>
        <translation>Fonction (#INPUT13)</translation>
    </message>
    <message>
        <source>Input 14:</source>
        <translation>Entrée 14 :</translation>
    </message>
    <message>
        <source>Input 14 function (#INPUT14)</source>
        <translation>Fonction (#INPUT14)</translation>
    </message>
    <message>
        <source>Input 15:</source>
        <translation>Entrée 15 :</translation>
    </message>
    <message>
        <source>Input 15 function (#INPUT15)</source>
        <translation>Fonction (#INPUT15)</translation>
    </message>
    <message>
        <source>Button 1:</source>
        <translation>Bouton 1 :</translation>
    </message>
    <message>
        <source>Button 1 function (#BUTTON1)</source>
        <translation>Fonction (#BUTTON1)</translation>
    </message>
    <message>
        <source>Button 2:</source>
        <translation>Bouton 2 :</translation>
    </message>
    <message>
        <source>Button 2 function (#BUTTON2)</source>
        <translation>Fonction (#BUTTON2)</translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation>Débit :</translation>
    </message>
    <message>
        <source>Serial port baudrate (#BAUDRATE)</source>
        <translation>Débit du port série (#BAUDRATE)</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Chemin :</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Languages</source>
        <translation>&amp;Langues</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Contact technical support</source>
        <translation>&amp;Contacter le support technique</translation>
    </message>
    <message>
        <source>&amp;Halvex home page</source>
        <translation>Site web d&apos;&amp;Halvex</translation>
    </message>
    <message>
        <source>&amp;English</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <source>&amp;Français</source>
        <translation>&amp;Français</translation>
    </message>
    <message>
        <source>&amp;Generate Configuration File</source>
        <translation>&amp;Générer le fichier de configuration</translation>
    </message>
    <message>
        <source>Import Configuration File</source>
        <translation>Importer un fichier de configuration</translation>
    </message>
    <message>
        <source>&amp;Apply default settings</source>
        <translation>A&amp;ppliquer les réglages par défaut</translation>
    </message>
    <message>
        <source>Apply Default Settings</source>
        <translation>Appliquer les réglages par défaut</translation>
    </message>
    <message>
        <source>&amp;Select all options</source>
        <translation>&amp;Sélectionner toutes les options</translation>
    </message>
    <message>
        <source>Select All Options</source>
        <translation>Sélectionner toutes les options</translation>
    </message>
    <message>
        <source>Unselect All options</source>
        <translation>Désélectionner toutes les options</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Piste suivante</translation>
    </message>
    <message>
        <source>Previous track</source>
        <translation>Piste précédente</translation>
    </message>
    <message>
        <source>Next folder</source>
        <translation>Dossier suivant</translation>
    </message>
    <message>
        <source>Previous folder</source>
        <translation>Dossier précédent</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Volume +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Volume -</translation>
    </message>
    <message>
        <source>Folder </source>
        <translation>Dossier </translation>
    </message>
    <message>
        <source>Serial command </source>
        <translation>Commande série </translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>No monitoring mode</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Daisy chain mode</source>
        <translation>Chaînage</translation>
    </message>
    <message>
        <source>Monitoring mode</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Advanced monitoring mode</source>
        <translation>Avancée</translation>
    </message>
    <message>
        <source>Save Configuration File</source>
        <translation>Enregistrer le fichier de configuration</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>Generate Configuration File</source>
        <translation>Générer le fichier de configuration</translation>
    </message>
    <message>
        <source>Create configuration file done!</source>
        <translation>Fichier de configuration créé !</translation>
    </message>
    <message>
        <source>Impossible to create configuration file!</source>
        <translation>Impossible de créer le fichier de configuration !</translation>
    </message>
    <message>
        <source>Open Configuration File</source>
        <translation>Ouvrir un fichier de configuration</translation>
    </message>
    <message>
        <source>The specified configuration file does not exist!</source>
        <translation>Le fichier de configuration indiqué n&apos;existe pas !</translation>
    </message>
    <message>
        <source>The specified configuration file cannot be opened!</source>
        <translation>Le fichier de configuration indiqué ne peut pas être ouvert !</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>%1 more report lines are not shown.</source>
        <translation>%1 autres lignes du rapport ne sont pas affichées.</translation>
    </message>
    <message>
        <source>Halvex support request (from:</source>
        <translation>Demande d&apos;assistance Halvex (de :</translation>
    </message>
    <message>
        <source>( write here your question... )</source>
        <translation>( écrivez votre question ici... )</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Enregistré dans %1</translation>
    </message>
    <message>
        <source>The options have been modified.</source>
        <translation>Les options ont été modifiées.</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>Voulez-vous enregistrer vos modifications ?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>No match</source>
        <translation>Aucune correspondance</translation>
    </message>
    <message>
        <source>Reading the configuration file...</source>
        <translation>Lecture du fichier de configuration...</translation>
    </message>
    <message>
        <source>The file was put back as it was before.</source>
        <translation>Le fichier a été remis tel qu&apos;il était.</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Drop one configuration file at a time.</source>
        <translation>Déposez un seul fichier de configuration à la fois.</translation>
    </message>
    <message>
        <source>Only a file on this computer can be imported.</source>
        <translation>Seul un fichier de cet ordinateur peut être importé.</translation>
    </message>
    <message>
        <source>A folder cannot be imported.</source>
        <translation>Un dossier ne peut pas être importé.</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Fichiers &amp;récents</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Clear list</source>
        <translation>&amp;Effacer la liste</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Change of the options</source>
        <translation>Modification des options</translation>
    </message>
    <message>
        <source>%1 was changed or removed by another program since it was read or saved here.</source>
        <translation>%1 a été modifié ou supprimé par un autre programme depuis sa lecture ou son enregistrement ici.</translation>
    </message>
    <message>
        <source>Do you want to save the options shown over it?</source>
        <translation>Voulez-vous enregistrer les options affichées à sa place&#xa0;?</translation>
    </message>
    <message>
        <source>Import of %1</source>
        <translation>Importation de %1</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir %1</translation>
    </message>
    <message>
        <source>Tick %1</source>
        <translation>Cocher %1</translation>
    </message>
    <message>
        <source>Untick %1</source>
        <translation>Décocher %1</translation>
    </message>
    <message>
        <source>Default settings</source>
        <translation>Réglages par défaut</translation>
    </message>
    <message>
        <source>Select all options</source>
        <translation>Sélection de toutes les options</translation>
    </message>
    <message>
        <source>Unselect all options</source>
        <translation>Désélection de toutes les options</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manuel</translation>
    </message>
    <message>
        <source>&amp;What&apos;s This?</source>
        <translation>&amp;Qu&apos;est-ce que c&apos;est ?</translation>
    </message>
    <message>
        <source>&amp;Default (system language)</source>
        <translation>Par &amp;défaut (langue du système)</translation>
    </message>
    <message>
        <source>&amp;Generate configuration file…</source>
        <translation>&amp;Générer le fichier de configuration…</translation>
    </message>
    <message>
        <source>&amp;Import configuration file…</source>
        <translation>&amp;Importer un fichier de configuration…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Contact Technical Support</source>
        <translation>Contacter le support technique</translation>
    </message>
    <message>
        <source>No e-mail program could be opened. Write to technical support at this address:</source>
        <translation>Aucun programme de messagerie n&apos;a pu être ouvert. Écrivez au support technique à cette adresse :</translation>
    </message>
    <message>
        <source>Halvex Home Page</source>
        <translation>Site web d&apos;Halvex</translation>
    </message>
    <message>
        <source>No web browser could be opened. The home page is at this address:</source>
        <translation>Aucun navigateur web n&apos;a pu être ouvert. Le site se trouve à cette adresse :</translation>
    </message>
    <message>
        <source>Type to search: a name, a token or a short form (f537, rs 12).</source>
        <translation>Tapez pour chercher : un nom, un jeton ou une forme courte (f537, rs 12).</translation>
    </message>
    <message>
        <source>Type to search</source>
        <translation>Tapez pour chercher</translation>
    </message>
    <message>
        <source>%1, and the file is too large to be written in place (over 16 MiB)</source>
        <translation>%1, et le fichier est trop grand pour être écrit sur place (plus de 16 Mio)</translation>
    </message>
    <message>
        <source>No temporary file can be made in its folder (%1)</source>
        <translation>Aucun fichier temporaire ne peut être créé dans son dossier (%1)</translation>
    </message>
    <message>
        <source>The folder does not let it be replaced (%1)</source>
        <translation>Le dossier ne permet pas de le remplacer (%1)</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made</source>
        <translation>Le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>The old content cannot be kept in %1 (%2)</source>
        <translation>L&apos;ancien contenu ne peut pas être conservé dans %1 (%2)</translation>
    </message>
    <message>
        <source>An in-place save of %1 did not finish: the file may be damaged. Its old content is kept in %2.</source>
        <translation>Un enregistrement sur place de %1 ne s&apos;est pas terminé : le fichier est peut-être endommagé. Son ancien contenu est conservé dans %2.</translation>
    </message>
    <message>
        <source>The name is not valid in the system&apos;s encoding</source>
        <translation>Le nom n&apos;est pas valide dans le codage du système</translation>
    </message>
    <message>
        <source>The file could not be put back as it was: its old content is kept in %1.</source>
        <translation>Le fichier n&apos;a pas pu être remis dans son état d&apos;origine : son ancien contenu est conservé dans %1.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>The specified configuration file cannot be imported: %1.</source>
        <translation>Le fichier de configuration indiqué ne peut pas être importé : %1.</translation>
    </message>
    <message>
        <source>%1 is the name of a device on Windows, not of a file</source>
        <translation>%1 est le nom d’un périphérique sous Windows, pas d’un fichier</translation>
    </message>
    <message>
        <source>Windows does not keep a dot or blank at the end of a file name</source>
        <translation>Windows ne garde pas de point ni d’espace à la fin d’un nom de fichier</translation>
    </message>
    <message>
        <source>Windows does not allow &lt; &gt; : &quot; | ? * or control characters in a file name</source>
        <translation>Windows n’accepte ni &lt; &gt; : &quot; | ? * ni caractère de contrôle dans un nom de fichier</translation>
    </message>
    <message>
        <source>Last import re&amp;port</source>
        <translation>Ra&amp;pport de la dernière importation</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>File preview</source>
        <translation>Aperçu du fichier</translation>
    </message>
    <message>
        <source>File &amp;preview</source>
        <translation>&amp;Aperçu du fichier</translation>
    </message>
    <message>
        <source>&amp;Tool bar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <source>U&amp;nselect all options</source>
        <translation>&amp;Désélectionner toutes les options</translation>
    </message>
    <message>
        <source>Changed; the default is %1</source>
        <translation>Modifiée ; la valeur par défaut est %1</translation>
    </message>
    <message>
        <source>Reset to &amp;default</source>
        <translation>Remettre par &amp;défaut</translation>
    </message>
    <message>
        <source>Reset %1 to default</source>
        <translation>Remettre %1 par défaut</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>File &gt; Import configuration file (Ctrl+O) reads a file back into the rows; so does a file dropped on the window or named when the program is started. The file may be in UTF-8, with or without byte order mark, or in UTF-16 or UTF-32 with a byte order mark, with any line ends.</source>
        <translation>Fichier &gt; Importer un fichier de configuration (Ctrl+O) relit un fichier dans les lignes ; de même pour un fichier déposé sur la fenêtre ou nommé au lancement du programme. Le fichier peut être en UTF-8, avec ou sans indicateur d&apos;ordre des octets, ou en UTF-16 ou UTF-32 avec un indicateur d&apos;ordre des octets, avec toutes fins de ligne.</translation>
    </message>
    <message>
        <source>A line that begins, after any blanks, with a keyword and its colon sets that option; every other line is passed over. A number is read from as many characters after the colon as it is written with, and signs other than digits among them are dropped. A function is read from the token right after the colon, written exactly as in the table, in capitals; what follows it is ignored. When the file sets an option more than once, its last line counts.</source>
        <translation>Une ligne qui commence, après d&apos;éventuels blancs, par un mot-clé et ses deux-points règle cette option ; toute autre ligne est ignorée. Un nombre est lu dans autant de caractères après les deux-points qu&apos;il s&apos;écrit avec, et les signes autres que des chiffres y sont écartés. Une fonction est lue dans le jeton qui suit les deux-points, écrit exactement comme dans le tableau, en majuscules ; ce qui le suit est ignoré. Quand le fichier règle une option plusieurs fois, c&apos;est sa dernière ligne qui compte.</translation>
    </message>
    <message>
        <source>A file that takes more than half a second to read shows its progress and can be cancelled; the rows then stay as they were.</source>
        <translation>Un fichier dont la lecture dure plus d&apos;une demi-seconde montre son avancement et peut être annulé ; les lignes restent alors telles qu&apos;elles étaient.</translation>
    </message>
    <message>
        <source>quillary-cli checks and writes the same files from scripts, without a display, with the program&apos;s own reader and writer. &quot;quillary-cli check FILE...&quot; prints the report of each file; &quot;quillary-cli generate&quot; writes a file from the program&apos;s start-up state or from a file given with --from, changed by --set KEY=VALUE, --unset KEY and --only KEY,..., to the file given with -o (&quot;-o -&quot;: standard output). A key is the keyword with or without its #, in any case; a value is written as in the file. &quot;quillary-cli --help&quot; and &quot;man quillary-cli&quot; tell the rest.</source>
        <translation>quillary-cli vérifie et écrit les mêmes fichiers depuis des scripts, sans affichage, avec le lecteur et l&apos;écrivain du programme lui-même. « quillary-cli check FICHIER... » affiche le rapport de chaque fichier ; « quillary-cli generate » écrit un fichier à partir de l&apos;état du programme au démarrage ou d&apos;un fichier donné par --from, modifié par --set CLÉ=VALEUR, --unset CLÉ et --only CLÉ,..., dans le fichier donné par -o (« -o - » : la sortie standard). Une clé est le mot-clé avec ou sans son #, en majuscules ou minuscules ; une valeur s&apos;écrit comme dans le fichier. « quillary-cli --help » et « man quillary-cli » en disent plus.</translation>
    </message>
    <message>
        <source>On a function list, type what you know of the function you want: its name as shown (&quot;Folder 537&quot;), its token in the file (FOLDER537) or a short form (f537, rs 12, v-). The matches appear next to the list, best first; Enter takes the highlighted one, Escape leaves the value as it was.</source>
        <translation>Sur une liste de fonctions, tapez ce que vous savez de la fonction voulue : son nom tel qu&apos;il s&apos;affiche (« Dossier 537 »), son jeton dans le fichier (FOLDER537) ou une forme courte (f537, rs 12, v-). Les fonctions trouvées s&apos;affichent près de la liste, la meilleure en premier ; Entrée prend celle qui est en surbrillance, Échap laisse la valeur telle qu&apos;elle était.</translation>
    </message>
    <message>
        <source>a function token (table below)</source>
        <translation>un jeton de fonction (tableau ci-dessous)</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Mot-clé</translation>
    </message>
    <message>
        <source>What it sets</source>
        <translation>Ce qu&apos;il règle</translation>
    </message>
    <message>
        <source>Values in the file</source>
        <translation>Valeurs dans le fichier</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>In the list</source>
        <translation>Dans la liste</translation>
    </message>
    <message>
        <source>In the file</source>
        <translation>Dans le fichier</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Ce qu&apos;elle fait</translation>
    </message>
    <message>
        <source>The rows</source>
        <translation>Les lignes</translation>
    </message>
    <message>
        <source>The options</source>
        <translation>Les options</translation>
    </message>
    <message>
        <source>The functions of the inputs and buttons</source>
        <translation>Les fonctions des entrées et des boutons</translation>
    </message>
    <message>
        <source>The file</source>
        <translation>Le fichier</translation>
    </message>
    <message>
        <source>Importing a file</source>
        <translation>Importer un fichier</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>quillary-cli</source>
        <translation>quillary-cli</translation>
    </message>
    <message>
        <source>Each row of the window is one option of the player. Tick its box to include the option in the file, and pick its value on the right; an unticked row writes no line, and changing its value ticks it. The text in the middle names the option and its keyword in the file. Rest the mouse on it, or use Help &gt; What&apos;s This (Shift+F1), to read what the option does and what its values mean.</source>
        <translation>Chaque ligne de la fenêtre est une option du lecteur. Cochez sa case pour mettre l&apos;option dans le fichier et choisissez sa valeur à droite ; une ligne non cochée n&apos;écrit rien, et changer sa valeur la coche. Le texte du milieu nomme l&apos;option et son mot-clé dans le fichier. Laissez la souris dessus, ou utilisez Aide &gt; Qu&apos;est-ce que c&apos;est ? (Maj+F1), pour lire ce que fait l&apos;option et ce que veulent dire ses valeurs.</translation>
    </message>
    <message>
        <source>Save and Generate write one line for each ticked row, in the order of the rows: the keyword, a colon and the value, without blanks. Every line ends with CR LF, whatever the system. Numbers are written with the number of digits of the table above, filled with zeros on the left; Power and Monitoring are written as the number of their item, the functions as their token and the baud rate as shown. With every row ticked at its default, the file reads:</source>
        <translation>Enregistrer et Générer écrivent une ligne pour chaque ligne cochée, dans l&apos;ordre des lignes : le mot-clé, deux-points et la valeur, sans espace. Chaque ligne se termine par CR LF, quel que soit le système. Les nombres s&apos;écrivent avec le nombre de chiffres du tableau ci-dessus, complétés par des zéros à gauche ; Énergie et Surveillance s&apos;écrivent par le numéro de leur élément, les fonctions par leur jeton et le débit tel qu&apos;il s&apos;affiche. Avec toutes les lignes cochées à leur valeur par défaut, le fichier contient :</translation>
    </message>
    <message>
        <source>The rows the file does not name end up unticked at their default. A line whose value is missing or outside the option&apos;s values is refused: its row is ticked at its default. Such a row, and one whose value was read otherwise than the file wrote it, shows a warning sign on its caption, whose tooltip gives the line and why, until the row is changed or the rows are saved. The report that follows the import lists every option line, OK or ERROR with its line number, after a summary, then why each line was refused and what was warned of; File &gt; Last import report shows it again until the next import. A file without a single option line leaves the rows as they were.</source>
        <translation>Les lignes que le fichier ne nomme pas finissent décochées à leur valeur par défaut. Une ligne dont la valeur manque ou sort des valeurs de l&apos;option est refusée : sa ligne est cochée à sa valeur par défaut. Une telle ligne, comme celle dont la valeur a été lue autrement que le fichier ne l&apos;écrit, montre un signe d&apos;avertissement sur son libellé, dont l&apos;info-bulle donne la ligne du fichier et la raison, jusqu&apos;à ce que la ligne soit modifiée ou que les lignes soient enregistrées. Le rapport qui suit l&apos;importation donne chaque ligne d&apos;option, OK ou ERREUR avec son numéro de ligne, après un résumé, puis la raison de chaque ligne refusée et chaque avertissement ; Fichier &gt; Rapport de la dernière importation le montre à nouveau jusqu&apos;à l&apos;importation suivante. Un fichier sans aucune ligne d&apos;option laisse les lignes telles qu&apos;elles étaient.</translation>
    </message>
    <message>
        <source>File &gt; Save (Ctrl+S) writes the rows at once to the file they belong to: the one imported or saved last, whose name the title shows. File &gt; Generate configuration file (Ctrl+Shift+S) asks first where to save them, as Save does while they belong to no file. The title shows an asterisk while the rows hold changes that no file has received yet; closing the window or importing a file then asks whether to save them first. Edit &gt; Undo (Ctrl+Z) and Edit &gt; Redo (Ctrl+Shift+Z) take back and bring back every change of the rows, an import included, one at a time; File &gt; Open Recent lists the files read or saved last. A file is replaced only once the new one is complete, so that a failure never leaves half a file behind. The save and open dialogs start in the folder used last. Only regular files are read or written: a folder, a device or a pipe is refused.</source>
        <translation>Fichier &gt; Enregistrer (Ctrl+S) écrit aussitôt les lignes dans le fichier auquel elles appartiennent : celui importé ou enregistré en dernier, dont le titre montre le nom. Fichier &gt; Générer le fichier de configuration (Ctrl+Maj+S) demande d&apos;abord où les enregistrer, comme le fait Enregistrer tant qu&apos;elles n&apos;appartiennent à aucun fichier. Le titre montre un astérisque tant que les lignes portent des modifications qu&apos;aucun fichier n&apos;a encore reçues ; fermer la fenêtre ou importer un fichier demande alors d&apos;abord s&apos;il faut les enregistrer. Édition &gt; Annuler (Ctrl+Z) et Édition &gt; Rétablir (Ctrl+Maj+Z) défont et refont chaque modification des lignes, importation comprise, une à la fois ; Fichier &gt; Fichiers récents donne les fichiers lus ou enregistrés en dernier. Un fichier n&apos;est remplacé qu&apos;une fois le nouveau complet, si bien qu&apos;un échec ne laisse jamais un demi-fichier. Les dialogues d&apos;enregistrement et d&apos;ouverture s&apos;ouvrent dans le dernier dossier utilisé. Seuls les fichiers ordinaires sont lus ou écrits : un dossier, un périphérique ou un tube est refusé.</translation>
    </message>
    <message>
        <source>Edit &gt; Apply default settings (Ctrl+D) puts every value back to its default and keeps the ticks. Select all options (Ctrl+C) and Unselect all options (Ctrl+U) tick and untick every row. A row whose value is not its default has its caption in bold; its context menu (right click, or the Menu key) offers Reset to default, which puts that value back and keeps the tick.</source>
        <translation>Édition &gt; Appliquer les réglages par défaut (Ctrl+D) remet chaque valeur à sa valeur par défaut et garde les coches. Sélectionner toutes les options (Ctrl+C) et Désélectionner toutes les options (Ctrl+U) cochent et décochent toutes les lignes. Une ligne dont la valeur n&apos;est pas celle par défaut a son intitulé en gras ; son menu contextuel (clic droit, ou la touche Menu) propose Remettre par défaut, qui remet cette valeur et garde la coche.</translation>
    </message>
    <message>
        <source>View &gt; File preview (F9) shows, beside the rows, the lines that Save and Generate will write, exactly as they will be written; each ends with CR LF. Click a line, or press Enter on it, to go to its row; the row you are in is the highlighted line. An unticked row has no line.</source>
        <translation>Affichage &gt; Aperçu du fichier (F9) montre, à côté des options, les lignes qu&apos;Enregistrer et Générer écriront, exactement telles qu&apos;elles seront écrites ; chacune se termine par CR LF. Cliquez sur une ligne, ou appuyez sur Entrée, pour aller à son option ; l&apos;option en cours est la ligne mise en évidence. Une option décochée n&apos;a pas de ligne.</translation>
    </message>
</context>
<context>
    <name>ManualDialog</name>
    <message>
        <source>Quillary Manual</source>
        <translation>Manuel de Quillary</translation>
    </message>
</context>
<context>
    <name>OptionHelp</name>
    <message>
        <source>The number that identifies this player.</source>
        <translation>Le numéro qui identifie ce lecteur.</translation>
    </message>
    <message>
        <source>The player&apos;s digital volume: the higher the number, the louder it plays.</source>
        <translation>Le volume numérique du lecteur : plus le nombre est grand, plus il joue fort.</translation>
    </message>
    <message>
        <source>The player&apos;s energy saving mode. &quot;%1&quot; does not switch the player off: it only turns energy saving off.</source>
        <translation>Le mode d&apos;économie d&apos;énergie du lecteur. « %1 » n&apos;éteint pas le lecteur : seule l&apos;économie d&apos;énergie est désactivée.</translation>
    </message>
    <message>
        <source>The monitoring mode of the player&apos;s serial port. The player&apos;s documentation describes each mode.</source>
        <translation>Le mode de surveillance du port série du lecteur. La documentation du lecteur décrit chaque mode.</translation>
    </message>
    <message>
        <source>The number of the player&apos;s default boot folder: the folder it uses when it starts.</source>
        <translation>Le numéro du dossier de démarrage par défaut du lecteur : le dossier qu&apos;il utilise quand il démarre.</translation>
    </message>
    <message>
        <source>The speed of the player&apos;s serial port, in bits per second. The device connected to it must use the same speed.</source>
        <translation>La vitesse du port série du lecteur, en bits par seconde. L&apos;appareil qui y est relié doit utiliser la même vitesse.</translation>
    </message>
    <message>
        <source>The function carried out when the player&apos;s input %1 is triggered.</source>
        <translation>La fonction exécutée quand l&apos;entrée %1 du lecteur est déclenchée.</translation>
    </message>
    <message>
        <source>The function carried out when the player&apos;s button %1 is pressed.</source>
        <translation>La fonction exécutée quand le bouton %1 du lecteur est pressé.</translation>
    </message>
    <message>
        <source>energy saving is off</source>
        <translation>l&apos;économie d&apos;énergie est désactivée</translation>
    </message>
    <message>
        <source>energy saving is on</source>
        <translation>l&apos;économie d&apos;énergie est activée</translation>
    </message>
    <message>
        <source>no monitoring on the serial port</source>
        <translation>aucune surveillance sur le port série</translation>
    </message>
    <message>
        <source>the player&apos;s daisy chain mode</source>
        <translation>le mode chaînage du lecteur</translation>
    </message>
    <message>
        <source>the player&apos;s monitoring mode</source>
        <translation>le mode surveillance du lecteur</translation>
    </message>
    <message>
        <source>the player&apos;s advanced monitoring mode</source>
        <translation>le mode surveillance avancée du lecteur</translation>
    </message>
    <message>
        <source>starts playing</source>
        <translation>lance la lecture</translation>
    </message>
    <message>
        <source>stops playing</source>
        <translation>arrête la lecture</translation>
    </message>
    <message>
        <source>goes to the next track</source>
        <translation>passe à la piste suivante</translation>
    </message>
    <message>
        <source>goes to the previous track</source>
        <translation>revient à la piste précédente</translation>
    </message>
    <message>
        <source>goes to the next folder</source>
        <translation>passe au dossier suivant</translation>
    </message>
    <message>
        <source>goes to the previous folder</source>
        <translation>revient au dossier précédent</translation>
    </message>
    <message>
        <source>turns the volume up</source>
        <translation>monte le volume</translation>
    </message>
    <message>
        <source>turns the volume down</source>
        <translation>baisse le volume</translation>
    </message>
    <message>
        <source>the folder with that number</source>
        <translation>le dossier de ce numéro</translation>
    </message>
    <message>
        <source>the serial command with that number</source>
        <translation>la commande série de ce numéro</translation>
    </message>
    <message>
        <source>%1 bits per second</source>
        <translation>%1 bits par seconde</translation>
    </message>
    <message>
        <source>Accepted values: %1.</source>
        <translation>Valeurs acceptées : %1.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Default: %1.</source>
        <translation>Par défaut : %1.</translation>
    </message>
</context>
<context>
    <name>ReportDialog</name>
    <message>
        <source>Import Configuration File</source>
        <translation>Importer un fichier de configuration</translation>
    </message>
    <message>
        <source>Import configuration file done!</source>
        <translation>Fichier de configuration importé !</translation>
    </message>
</context>
</TS>
