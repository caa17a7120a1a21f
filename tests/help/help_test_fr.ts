<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<!-- Test-only translation whose texts carry the characters a mailto URL is sensitive to. -->
<context>
    <name>MainWindow</name>
    <message>
        <source>Halvex support request (from:</source>
        <translation>Demande d&apos;aide &amp; support #1 (+100% de :</translation>
    </message>
    <message>
        <source>( write here your question... )</source>
        <translation>( écrivez ici votre question &amp; vos détails #2... )</translation>
    </message>
</context>
</TS>
