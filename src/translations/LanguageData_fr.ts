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
        <source>not a text file: it holds NUL bytes or bytes that are not UTF-8 text</source>
        <translation>ce n&apos;est pas un fichier texte : il contient des octets nuls ou des octets qui ne sont pas du texte UTF-8</translation>
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
        <source>&amp;Default</source>
        <translation>Par &amp;défaut</translation>
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
        <source>&amp;Generate configuration file</source>
        <translation>&amp;Générer le fichier de configuration</translation>
    </message>
    <message>
        <source>&amp;Import configuration file</source>
        <translation>&amp;Importer un fichier de configuration</translation>
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
        <translation>&amp;Appliquer les réglages par défaut</translation>
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
        <source>&amp;Unselect all options</source>
        <translation>&amp;Désélectionner toutes les options</translation>
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
        <source>Last import &amp;report</source>
        <translation>&amp;Rapport de la dernière importation</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>The specified configuration file cannot be imported: %1.</source>
        <translation>Le fichier de configuration indiqué ne peut pas être importé : %1.</translation>
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
