<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AboutWindows</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Unkown OS</source>
        <translation>Unkown OS</translation>
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
        <translation>no value; it takes %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not one of %2</source>
        <translation>&apos;%1&apos; is not one of %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds no number in &apos;%2&apos;, the part of it that is read; it takes %3</source>
        <translation>&apos;%1&apos; holds no number in &apos;%2&apos;, the part of it that is read; it takes %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds no number; it takes %2</source>
        <translation>&apos;%1&apos; holds no number; it takes %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; reads as %2, not one of %3</source>
        <translation>&apos;%1&apos; reads as %2, not one of %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is outside %2</source>
        <translation>&apos;%1&apos; is outside %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; reads as %2, outside %3</source>
        <translation>&apos;%1&apos; reads as %2, outside %3</translation>
    </message>
    <message>
        <source>%1: %2; the row keeps %3</source>
        <translation>%1: %2; the row keeps %3</translation>
    </message>
    <message>
        <source>%1 is given on %2 lines (%3): the last, line %4, is taken</source>
        <translation>%1 is given on %2 lines (%3): the last, line %4, is taken</translation>
    </message>
    <message>
        <source>%1 is given on %2 lines (%3): line %4 is taken, the later ones are refused</source>
        <translation>%1 is given on %2 lines (%3): line %4 is taken, the later ones are refused</translation>
    </message>
    <message>
        <source>%1 is given on %2 lines (%3), all refused</source>
        <translation>%1 is given on %2 lines (%3), all refused</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an option; those of its kind are %2 to %3</source>
        <translation>&apos;%1&apos; is not an option; those of its kind are %2 to %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an option; did you mean %2?</source>
        <translation>&apos;%1&apos; is not an option; did you mean %2?</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an option</source>
        <translation>&apos;%1&apos; is not an option</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; read as %3</source>
        <translation>%1: &apos;%2&apos; read as %3</translation>
    </message>
    <message>
        <source>The file holds no option line; nothing is taken from it.</source>
        <translation>The file holds no option line; nothing is taken from it.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>Reasons and warnings:</source>
        <translation>Reasons and warnings:</translation>
    </message>
    <message>
        <source>%1 more reasons and warnings are not shown.</source>
        <translation>%1 more reasons and warnings are not shown.</translation>
    </message>
    <message>
        <source>No option line found, warnings: %1</source>
        <translation>No option line found, warnings: %1</translation>
    </message>
    <message>
        <source>Option lines: %1, refused: %2, warnings: %3</source>
        <translation>Option lines: %1, refused: %2, warnings: %3</translation>
    </message>
    <message>
        <source>not a text file: it holds NUL bytes or bytes that are not UTF-8 text</source>
        <translation>not a text file: it holds NUL bytes or bytes that are not UTF-8 text</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <source>Player ID (#ID)</source>
        <translation>Player ID (#ID)</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volume:</translation>
    </message>
    <message>
        <source>Player digital volume (#VOLUME)</source>
        <translation>Player digital volume (#VOLUME)</translation>
    </message>
    <message>
        <source>Power:</source>
        <translation>Power:</translation>
    </message>
    <message>
        <source>Energy saving mode (#POWER)</source>
        <translation>Energy saving mode (#POWER)</translation>
    </message>
    <message>
        <source>Monitoring:</source>
        <translation>Monitoring:</translation>
    </message>
    <message>
        <source>Serial monitoring mode (#RS_MONITORING)</source>
        <translation>Serial monitoring mode (#RS_MONITORING)</translation>
    </message>
    <message>
        <source>Boot:</source>
        <translation>Boot:</translation>
    </message>
    <message>
        <source>Default boot folder (#BOOT)</source>
        <translation>Default boot folder (#BOOT)</translation>
    </message>
    <message>
        <source>Input 01:</source>
        <translation>Input 01:</translation>
    </message>
    <message>
        <source>Input 1 function (#INPUT01)</source>
        <translation>Input 1 function (#INPUT01)</translation>
    </message>
    <message>
        <source>Input 02:</source>
        <translation>Input 02:</translation>
    </message>
    <message>
        <source>Input 2 function (#INPUT02)</source>
        <translation>Input 2 function (#INPUT02)</translation>
    </message>
    <message>
        <source>Input 03:</source>
        <translation>Input 03:</translation>
    </message>
    <message>
        <source>Input 3 function (#INPUT03)</source>
        <translation>Input 3 function (#INPUT03)</translation>
    </message>
    <message>
        <source>Input 04:</source>
        <translation>Input 04:</translation>
    </message>
    <message>
        <source>Input 4 function (#INPUT04)</source>
        <translation>Input 4 function (#INPUT04)</translation>
    </message>
    <message>
        <source>Input 05:</source>
        <translation>Input 05:</translation>
    </message>
    <message>
        <source>Input 5 function (#INPUT05)</source>
        <translation>Input 5 function (#INPUT05)</translation>
    </message>
    <message>
        <source>Input 06:</source>
        <translation>Input 06:</translation>
    </message>
    <message>
        <source>Input 6 function (#INPUT06)</source>
        <translation>Input 6 function (#INPUT06)</translation>
    </message>
    <message>
        <source>Input 07:</source>
        <translation>Input 07:</translation>
    </message>
    <message>
        <source>Input 7 function (#INPUT07)</source>
        <translation>Input 7 function (#INPUT07)</translation>
    </message>
    <message>
        <source>Input 08:</source>
        <translation>Input 08:</translation>
    </message>
    <message>
        <source>Input 8 function (#INPUT08)</source>
        <translation>Input 8 function (#INPUT08)</translation>
    </message>
    <message>
        <source>Input 09:</source>
        <translation>Input 09:</translation>
    </message>
    <message>
        <source>Input 9 function (#INPUT09)</source>
        <translation>Input 9 function (#INPUT09)</translation>
    </message>
    <message>
        <source>Input 10:</source>
        <translation>Input 10:</translation>
    </message>
    <message>
        <source>Input 10 function (#INPUT10)</source>
        <translation>Input 10 function (#INPUT10)</translation>
    </message>
    <message>
        <source>Input 11:</source>
        <translation>Input 11:</translation>
    </message>
    <message>
        <source>Input 11 function (#INPUT11)</source>
        <translation>Input 11 function (#INPUT11)</translation>
    </message>
    <message>
        <source>Input 12:</source>
        <translation>Input 12:</translation>
    </message>
    <message>
        <source>Input 12 function (#INPUT12)</source>
        <translation>Input 12 function (#INPUT12)</translation>
    </message>
    <message>
        <source>Input 13:</source>
        <translation>Input 13:</translation>
    </message>
    <message>
        <source>Input 13 function (#INPUT13)</source>
        <translation>Input 13 function (#INPUT13)</translation>
    </message>
    <message>
        <source>Input 14:</source>
        <translation>Input 14:</translation>
    </message>
    <message>
        <source>Input 14 function (#INPUT14)</source>
        <translation>Input 14 function (#INPUT14)</translation>
    </message>
    <message>
        <source>Input 15:</source>
        <translation>Input 15:</translation>
    </message>
    <message>
        <source>Input 15 function (#INPUT15)</source>
        <translation>Input 15 function (#INPUT15)</translation>
    </message>
    <message>
        <source>Button 1:</source>
        <translation>Button 1:</translation>
    </message>
    <message>
        <source>Button 1 function (#BUTTON1)</source>
        <translation>Button 1 function (#BUTTON1)</translation>
    </message>
    <message>
        <source>Button 2:</source>
        <translation>Button 2:</translation>
    </message>
    <message>
        <source>Button 2 function (#BUTTON2)</source>
        <translation>Button 2 function (#BUTTON2)</translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation>Baudrate:</translation>
    </message>
    <message>
        <source>Serial port baudrate (#BAUDRATE)</source>
        <translation>Serial port baudrate (#BAUDRATE)</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Path:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Languages</source>
        <translation>&amp;Languages</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>toolBar</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Exit</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>&amp;Contact technical support</source>
        <translation>&amp;Contact technical support</translation>
    </message>
    <message>
        <source>&amp;Halvex home page</source>
        <translation>&amp;Halvex home page</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Default</translation>
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
        <translation>&amp;Generate configuration file</translation>
    </message>
    <message>
        <source>&amp;Import configuration file</source>
        <translation>&amp;Import configuration file</translation>
    </message>
    <message>
        <source>&amp;Generate Configuration File</source>
        <translation>&amp;Generate Configuration File</translation>
    </message>
    <message>
        <source>Import Configuration File</source>
        <translation>Import Configuration File</translation>
    </message>
    <message>
        <source>&amp;Apply default settings</source>
        <translation>&amp;Apply default settings</translation>
    </message>
    <message>
        <source>Apply Default Settings</source>
        <translation>Apply Default Settings</translation>
    </message>
    <message>
        <source>&amp;Select all options</source>
        <translation>&amp;Select all options</translation>
    </message>
    <message>
        <source>&amp;Unselect all options</source>
        <translation>&amp;Unselect all options</translation>
    </message>
    <message>
        <source>Select All Options</source>
        <translation>Select All Options</translation>
    </message>
    <message>
        <source>Unselect All options</source>
        <translation>Unselect All options</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Next track</translation>
    </message>
    <message>
        <source>Previous track</source>
        <translation>Previous track</translation>
    </message>
    <message>
        <source>Next folder</source>
        <translation>Next folder</translation>
    </message>
    <message>
        <source>Previous folder</source>
        <translation>Previous folder</translation>
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
        <translation>Folder </translation>
    </message>
    <message>
        <source>Serial command </source>
        <translation>Serial command </translation>
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
        <source>No monitoring mode</source>
        <translation>No monitoring mode</translation>
    </message>
    <message>
        <source>Daisy chain mode</source>
        <translation>Daisy chain mode</translation>
    </message>
    <message>
        <source>Monitoring mode</source>
        <translation>Monitoring mode</translation>
    </message>
    <message>
        <source>Advanced monitoring mode</source>
        <translation>Advanced monitoring mode</translation>
    </message>
    <message>
        <source>Save Configuration File</source>
        <translation>Save Configuration File</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>Generate Configuration File</source>
        <translation>Generate Configuration File</translation>
    </message>
    <message>
        <source>Create configuration file done!</source>
        <translation>Create configuration file done!</translation>
    </message>
    <message>
        <source>Impossible to create configuration file!</source>
        <translation>Impossible to create configuration file!</translation>
    </message>
    <message>
        <source>Open Configuration File</source>
        <translation>Open Configuration File</translation>
    </message>
    <message>
        <source>The specified configuration file does not exist!</source>
        <translation>The specified configuration file does not exist!</translation>
    </message>
    <message>
        <source>The specified configuration file cannot be opened!</source>
        <translation>The specified configuration file cannot be opened!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>%1 more report lines are not shown.</source>
        <translation>%1 more report lines are not shown.</translation>
    </message>
    <message>
        <source>Halvex support request (from:</source>
        <translation>Halvex support request (from:</translation>
    </message>
    <message>
        <source>( write here your question... )</source>
        <translation>( write here your question... )</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Saved to %1</translation>
    </message>
    <message>
        <source>The options have been modified.</source>
        <translation>The options have been modified.</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>Do you want to save your changes?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Discard</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>No match</source>
        <translation>No match</translation>
    </message>
    <message>
        <source>Reading the configuration file...</source>
        <translation>Reading the configuration file...</translation>
    </message>
    <message>
        <source>The file was put back as it was before.</source>
        <translation>The file was put back as it was before.</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Not a regular file</translation>
    </message>
    <message>
        <source>Drop one configuration file at a time.</source>
        <translation>Drop one configuration file at a time.</translation>
    </message>
    <message>
        <source>Only a file on this computer can be imported.</source>
        <translation>Only a file on this computer can be imported.</translation>
    </message>
    <message>
        <source>A folder cannot be imported.</source>
        <translation>A folder cannot be imported.</translation>
    </message>
    <message>
        <source>Last import &amp;report</source>
        <translation>Last import &amp;report</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>The specified configuration file cannot be imported: %1.</source>
        <translation>The specified configuration file cannot be imported: %1.</translation>
    </message>
</context>
<context>
    <name>ReportDialog</name>
    <message>
        <source>Import Configuration File</source>
        <translation>Import Configuration File</translation>
    </message>
    <message>
        <source>Import configuration file done!</source>
        <translation>Import configuration file done!</translation>
    </message>
</context>
</TS>
