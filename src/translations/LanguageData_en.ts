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
    <name>AddressDialog</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
</context>
<context>
    <name>FilePreview</name>
    <message>
        <source>Lines of the file</source>
        <translation>Lines of the file</translation>
    </message>
    <message>
        <source>Each line ends with CR LF.</source>
        <translation>Each line ends with CR LF.</translation>
    </message>
    <message>
        <source>No option is ticked: Save writes an empty file.</source>
        <translation>No option is ticked: Save writes an empty file.</translation>
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
        <source>not a text file: it holds NUL bytes, or UTF-16 or UTF-32 that does not decode</source>
        <translation>not a text file: it holds NUL bytes, or UTF-16 or UTF-32 that does not decode</translation>
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
        <source>&amp;English</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <source>&amp;Français</source>
        <translation>&amp;Français</translation>
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
        <source>Open &amp;Recent</source>
        <translation>Open &amp;Recent</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Clear list</source>
        <translation>&amp;Clear list</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Change of the options</source>
        <translation>Change of the options</translation>
    </message>
    <message>
        <source>%1 was changed or removed by another program since it was read or saved here.</source>
        <translation>%1 was changed or removed by another program since it was read or saved here.</translation>
    </message>
    <message>
        <source>Do you want to save the options shown over it?</source>
        <translation>Do you want to save the options shown over it?</translation>
    </message>
    <message>
        <source>Import of %1</source>
        <translation>Import of %1</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Undo %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Redo %1</translation>
    </message>
    <message>
        <source>Tick %1</source>
        <translation>Tick %1</translation>
    </message>
    <message>
        <source>Untick %1</source>
        <translation>Untick %1</translation>
    </message>
    <message>
        <source>Default settings</source>
        <translation>Default settings</translation>
    </message>
    <message>
        <source>Select all options</source>
        <translation>Select all options</translation>
    </message>
    <message>
        <source>Unselect all options</source>
        <translation>Unselect all options</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>&amp;What&apos;s This?</source>
        <translation>&amp;What&apos;s This?</translation>
    </message>
    <message>
        <source>&amp;Default (system language)</source>
        <translation>&amp;Default (system language)</translation>
    </message>
    <message>
        <source>&amp;Generate configuration file…</source>
        <translation>&amp;Generate configuration file…</translation>
    </message>
    <message>
        <source>&amp;Import configuration file…</source>
        <translation>&amp;Import configuration file…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Contact Technical Support</source>
        <translation>Contact Technical Support</translation>
    </message>
    <message>
        <source>No e-mail program could be opened. Write to technical support at this address:</source>
        <translation>No e-mail program could be opened. Write to technical support at this address:</translation>
    </message>
    <message>
        <source>Halvex Home Page</source>
        <translation>Halvex Home Page</translation>
    </message>
    <message>
        <source>No web browser could be opened. The home page is at this address:</source>
        <translation>No web browser could be opened. The home page is at this address:</translation>
    </message>
    <message>
        <source>Type to search: a name, a token or a short form (f537, rs 12).</source>
        <translation>Type to search: a name, a token or a short form (f537, rs 12).</translation>
    </message>
    <message>
        <source>Type to search</source>
        <translation>Type to search</translation>
    </message>
    <message>
        <source>%1, and the file is too large to be written in place (over 16 MiB)</source>
        <translation>%1, and the file is too large to be written in place (over 16 MiB)</translation>
    </message>
    <message>
        <source>No temporary file can be made in its folder (%1)</source>
        <translation>No temporary file can be made in its folder (%1)</translation>
    </message>
    <message>
        <source>The folder does not let it be replaced (%1)</source>
        <translation>The folder does not let it be replaced (%1)</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made</source>
        <translation>The folder %1 cannot be made</translation>
    </message>
    <message>
        <source>The old content cannot be kept in %1 (%2)</source>
        <translation>The old content cannot be kept in %1 (%2)</translation>
    </message>
    <message>
        <source>An in-place save of %1 did not finish: the file may be damaged. Its old content is kept in %2.</source>
        <translation>An in-place save of %1 did not finish: the file may be damaged. Its old content is kept in %2.</translation>
    </message>
    <message>
        <source>The name is not valid in the system&apos;s encoding</source>
        <translation>The name is not valid in the system&apos;s encoding</translation>
    </message>
    <message>
        <source>The file could not be put back as it was: its old content is kept in %1.</source>
        <translation>The file could not be put back as it was: its old content is kept in %1.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>The specified configuration file cannot be imported: %1.</source>
        <translation>The specified configuration file cannot be imported: %1.</translation>
    </message>
    <message>
        <source>%1 is the name of a device on Windows, not of a file</source>
        <translation>%1 is the name of a device on Windows, not of a file</translation>
    </message>
    <message>
        <source>Windows does not keep a dot or blank at the end of a file name</source>
        <translation>Windows does not keep a dot or blank at the end of a file name</translation>
    </message>
    <message>
        <source>Windows does not allow &lt; &gt; : &quot; | ? * or control characters in a file name</source>
        <translation>Windows does not allow &lt; &gt; : &quot; | ? * or control characters in a file name</translation>
    </message>
    <message>
        <source>Last import re&amp;port</source>
        <translation>Last import re&amp;port</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>File preview</source>
        <translation>File preview</translation>
    </message>
    <message>
        <source>File &amp;preview</source>
        <translation>File &amp;preview</translation>
    </message>
    <message>
        <source>&amp;Tool bar</source>
        <translation>&amp;Tool bar</translation>
    </message>
    <message>
        <source>U&amp;nselect all options</source>
        <translation>U&amp;nselect all options</translation>
    </message>
    <message>
        <source>Changed; the default is %1</source>
        <translation>Changed; the default is %1</translation>
    </message>
    <message>
        <source>Reset to &amp;default</source>
        <translation>Reset to &amp;default</translation>
    </message>
    <message>
        <source>Reset %1 to default</source>
        <translation>Reset %1 to default</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>File &gt; Import configuration file (Ctrl+O) reads a file back into the rows; so does a file dropped on the window or named when the program is started. The file may be in UTF-8, with or without byte order mark, or in UTF-16 or UTF-32 with a byte order mark, with any line ends.</source>
        <translation>File &gt; Import configuration file (Ctrl+O) reads a file back into the rows; so does a file dropped on the window or named when the program is started. The file may be in UTF-8, with or without byte order mark, or in UTF-16 or UTF-32 with a byte order mark, with any line ends.</translation>
    </message>
    <message>
        <source>A line that begins, after any blanks, with a keyword and its colon sets that option; every other line is passed over. A number is read from as many characters after the colon as it is written with, and signs other than digits among them are dropped. A function is read from the token right after the colon, written exactly as in the table, in capitals; what follows it is ignored. When the file sets an option more than once, its last line counts.</source>
        <translation>A line that begins, after any blanks, with a keyword and its colon sets that option; every other line is passed over. A number is read from as many characters after the colon as it is written with, and signs other than digits among them are dropped. A function is read from the token right after the colon, written exactly as in the table, in capitals; what follows it is ignored. When the file sets an option more than once, its last line counts.</translation>
    </message>
    <message>
        <source>A file that takes more than half a second to read shows its progress and can be cancelled; the rows then stay as they were.</source>
        <translation>A file that takes more than half a second to read shows its progress and can be cancelled; the rows then stay as they were.</translation>
    </message>
    <message>
        <source>quillary-cli checks and writes the same files from scripts, without a display, with the program&apos;s own reader and writer. &quot;quillary-cli check FILE...&quot; prints the report of each file; &quot;quillary-cli generate&quot; writes a file from the program&apos;s start-up state or from a file given with --from, changed by --set KEY=VALUE, --unset KEY and --only KEY,..., to the file given with -o (&quot;-o -&quot;: standard output). A key is the keyword with or without its #, in any case; a value is written as in the file. &quot;quillary-cli --help&quot; and &quot;man quillary-cli&quot; tell the rest.</source>
        <translation>quillary-cli checks and writes the same files from scripts, without a display, with the program&apos;s own reader and writer. &quot;quillary-cli check FILE...&quot; prints the report of each file; &quot;quillary-cli generate&quot; writes a file from the program&apos;s start-up state or from a file given with --from, changed by --set KEY=VALUE, --unset KEY and --only KEY,..., to the file given with -o (&quot;-o -&quot;: standard output). A key is the keyword with or without its #, in any case; a value is written as in the file. &quot;quillary-cli --help&quot; and &quot;man quillary-cli&quot; tell the rest.</translation>
    </message>
    <message>
        <source>On a function list, type what you know of the function you want: its name as shown (&quot;Folder 537&quot;), its token in the file (FOLDER537) or a short form (f537, rs 12, v-). The matches appear next to the list, best first; Enter takes the highlighted one, Escape leaves the value as it was.</source>
        <translation>On a function list, type what you know of the function you want: its name as shown (&quot;Folder 537&quot;), its token in the file (FOLDER537) or a short form (f537, rs 12, v-). The matches appear next to the list, best first; Enter takes the highlighted one, Escape leaves the value as it was.</translation>
    </message>
    <message>
        <source>a function token (table below)</source>
        <translation>a function token (table below)</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Keyword</translation>
    </message>
    <message>
        <source>What it sets</source>
        <translation>What it sets</translation>
    </message>
    <message>
        <source>Values in the file</source>
        <translation>Values in the file</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>In the list</source>
        <translation>In the list</translation>
    </message>
    <message>
        <source>In the file</source>
        <translation>In the file</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>What it does</translation>
    </message>
    <message>
        <source>The rows</source>
        <translation>The rows</translation>
    </message>
    <message>
        <source>The options</source>
        <translation>The options</translation>
    </message>
    <message>
        <source>The functions of the inputs and buttons</source>
        <translation>The functions of the inputs and buttons</translation>
    </message>
    <message>
        <source>The file</source>
        <translation>The file</translation>
    </message>
    <message>
        <source>Importing a file</source>
        <translation>Importing a file</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Saving</translation>
    </message>
    <message>
        <source>quillary-cli</source>
        <translation>quillary-cli</translation>
    </message>
    <message>
        <source>Each row of the window is one option of the player. Tick its box to include the option in the file, and pick its value on the right; an unticked row writes no line, and changing its value ticks it. The text in the middle names the option and its keyword in the file. Rest the mouse on it, or use Help &gt; What&apos;s This (Shift+F1), to read what the option does and what its values mean.</source>
        <translation>Each row of the window is one option of the player. Tick its box to include the option in the file, and pick its value on the right; an unticked row writes no line, and changing its value ticks it. The text in the middle names the option and its keyword in the file. Rest the mouse on it, or use Help &gt; What&apos;s This (Shift+F1), to read what the option does and what its values mean.</translation>
    </message>
    <message>
        <source>Save and Generate write one line for each ticked row, in the order of the rows: the keyword, a colon and the value, without blanks. Every line ends with CR LF, whatever the system. Numbers are written with the number of digits of the table above, filled with zeros on the left; Power and Monitoring are written as the number of their item, the functions as their token and the baud rate as shown. With every row ticked at its default, the file reads:</source>
        <translation>Save and Generate write one line for each ticked row, in the order of the rows: the keyword, a colon and the value, without blanks. Every line ends with CR LF, whatever the system. Numbers are written with the number of digits of the table above, filled with zeros on the left; Power and Monitoring are written as the number of their item, the functions as their token and the baud rate as shown. With every row ticked at its default, the file reads:</translation>
    </message>
    <message>
        <source>The rows the file does not name end up unticked at their default. A line whose value is missing or outside the option&apos;s values is refused: its row is ticked at its default. Such a row, and one whose value was read otherwise than the file wrote it, shows a warning sign on its caption, whose tooltip gives the line and why, until the row is changed or the rows are saved. The report that follows the import lists every option line, OK or ERROR with its line number, after a summary, then why each line was refused and what was warned of; File &gt; Last import report shows it again until the next import. A file without a single option line leaves the rows as they were.</source>
        <translation>The rows the file does not name end up unticked at their default. A line whose value is missing or outside the option&apos;s values is refused: its row is ticked at its default. Such a row, and one whose value was read otherwise than the file wrote it, shows a warning sign on its caption, whose tooltip gives the line and why, until the row is changed or the rows are saved. The report that follows the import lists every option line, OK or ERROR with its line number, after a summary, then why each line was refused and what was warned of; File &gt; Last import report shows it again until the next import. A file without a single option line leaves the rows as they were.</translation>
    </message>
    <message>
        <source>File &gt; Save (Ctrl+S) writes the rows at once to the file they belong to: the one imported or saved last, whose name the title shows. File &gt; Generate configuration file (Ctrl+Shift+S) asks first where to save them, as Save does while they belong to no file. The title shows an asterisk while the rows hold changes that no file has received yet; closing the window or importing a file then asks whether to save them first. Edit &gt; Undo (Ctrl+Z) and Edit &gt; Redo (Ctrl+Shift+Z) take back and bring back every change of the rows, an import included, one at a time; File &gt; Open Recent lists the files read or saved last. A file is replaced only once the new one is complete, so that a failure never leaves half a file behind. The save and open dialogs start in the folder used last. Only regular files are read or written: a folder, a device or a pipe is refused.</source>
        <translation>File &gt; Save (Ctrl+S) writes the rows at once to the file they belong to: the one imported or saved last, whose name the title shows. File &gt; Generate configuration file (Ctrl+Shift+S) asks first where to save them, as Save does while they belong to no file. The title shows an asterisk while the rows hold changes that no file has received yet; closing the window or importing a file then asks whether to save them first. Edit &gt; Undo (Ctrl+Z) and Edit &gt; Redo (Ctrl+Shift+Z) take back and bring back every change of the rows, an import included, one at a time; File &gt; Open Recent lists the files read or saved last. A file is replaced only once the new one is complete, so that a failure never leaves half a file behind. The save and open dialogs start in the folder used last. Only regular files are read or written: a folder, a device or a pipe is refused.</translation>
    </message>
    <message>
        <source>Edit &gt; Apply default settings (Ctrl+D) puts every value back to its default and keeps the ticks. Select all options (Ctrl+C) and Unselect all options (Ctrl+U) tick and untick every row. A row whose value is not its default has its caption in bold; its context menu (right click, or the Menu key) offers Reset to default, which puts that value back and keeps the tick.</source>
        <translation>Edit &gt; Apply default settings (Ctrl+D) puts every value back to its default and keeps the ticks. Select all options (Ctrl+C) and Unselect all options (Ctrl+U) tick and untick every row. A row whose value is not its default has its caption in bold; its context menu (right click, or the Menu key) offers Reset to default, which puts that value back and keeps the tick.</translation>
    </message>
    <message>
        <source>View &gt; File preview (F9) shows, beside the rows, the lines that Save and Generate will write, exactly as they will be written; each ends with CR LF. Click a line, or press Enter on it, to go to its row; the row you are in is the highlighted line. An unticked row has no line.</source>
        <translation>View &gt; File preview (F9) shows, beside the rows, the lines that Save and Generate will write, exactly as they will be written; each ends with CR LF. Click a line, or press Enter on it, to go to its row; the row you are in is the highlighted line. An unticked row has no line.</translation>
    </message>
</context>
<context>
    <name>ManualDialog</name>
    <message>
        <source>Quillary Manual</source>
        <translation>Quillary Manual</translation>
    </message>
</context>
<context>
    <name>OptionHelp</name>
    <message>
        <source>The number that identifies this player.</source>
        <translation>The number that identifies this player.</translation>
    </message>
    <message>
        <source>The player&apos;s digital volume: the higher the number, the louder it plays.</source>
        <translation>The player&apos;s digital volume: the higher the number, the louder it plays.</translation>
    </message>
    <message>
        <source>The player&apos;s energy saving mode. &quot;%1&quot; does not switch the player off: it only turns energy saving off.</source>
        <translation>The player&apos;s energy saving mode. &quot;%1&quot; does not switch the player off: it only turns energy saving off.</translation>
    </message>
    <message>
        <source>The monitoring mode of the player&apos;s serial port. The player&apos;s documentation describes each mode.</source>
        <translation>The monitoring mode of the player&apos;s serial port. The player&apos;s documentation describes each mode.</translation>
    </message>
    <message>
        <source>The number of the player&apos;s default boot folder: the folder it uses when it starts.</source>
        <translation>The number of the player&apos;s default boot folder: the folder it uses when it starts.</translation>
    </message>
    <message>
        <source>The speed of the player&apos;s serial port, in bits per second. The device connected to it must use the same speed.</source>
        <translation>The speed of the player&apos;s serial port, in bits per second. The device connected to it must use the same speed.</translation>
    </message>
    <message>
        <source>The function carried out when the player&apos;s input %1 is triggered.</source>
        <translation>The function carried out when the player&apos;s input %1 is triggered.</translation>
    </message>
    <message>
        <source>The function carried out when the player&apos;s button %1 is pressed.</source>
        <translation>The function carried out when the player&apos;s button %1 is pressed.</translation>
    </message>
    <message>
        <source>energy saving is off</source>
        <translation>energy saving is off</translation>
    </message>
    <message>
        <source>energy saving is on</source>
        <translation>energy saving is on</translation>
    </message>
    <message>
        <source>no monitoring on the serial port</source>
        <translation>no monitoring on the serial port</translation>
    </message>
    <message>
        <source>the player&apos;s daisy chain mode</source>
        <translation>the player&apos;s daisy chain mode</translation>
    </message>
    <message>
        <source>the player&apos;s monitoring mode</source>
        <translation>the player&apos;s monitoring mode</translation>
    </message>
    <message>
        <source>the player&apos;s advanced monitoring mode</source>
        <translation>the player&apos;s advanced monitoring mode</translation>
    </message>
    <message>
        <source>starts playing</source>
        <translation>starts playing</translation>
    </message>
    <message>
        <source>stops playing</source>
        <translation>stops playing</translation>
    </message>
    <message>
        <source>goes to the next track</source>
        <translation>goes to the next track</translation>
    </message>
    <message>
        <source>goes to the previous track</source>
        <translation>goes to the previous track</translation>
    </message>
    <message>
        <source>goes to the next folder</source>
        <translation>goes to the next folder</translation>
    </message>
    <message>
        <source>goes to the previous folder</source>
        <translation>goes to the previous folder</translation>
    </message>
    <message>
        <source>turns the volume up</source>
        <translation>turns the volume up</translation>
    </message>
    <message>
        <source>turns the volume down</source>
        <translation>turns the volume down</translation>
    </message>
    <message>
        <source>the folder with that number</source>
        <translation>the folder with that number</translation>
    </message>
    <message>
        <source>the serial command with that number</source>
        <translation>the serial command with that number</translation>
    </message>
    <message>
        <source>%1 bits per second</source>
        <translation>%1 bits per second</translation>
    </message>
    <message>
        <source>Accepted values: %1.</source>
        <translation>Accepted values: %1.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Default: %1.</source>
        <translation>Default: %1.</translation>
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
