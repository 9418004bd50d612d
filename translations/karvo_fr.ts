<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>KvMainWindow</name>
    <message>
        <source>Drop Text File/Folder Here</source>
        <translation>Déposez un fichier/dossier</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cible</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>En</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Traitement</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>set save folder.</source>
        <translation>Choisir le dossier où enregistrer les fichiers convertis</translation>
    </message>
    <message>
        <source>replace source file</source>
        <translation>Remplacer le fichier d’origine</translation>
    </message>
    <message>
        <source>please waiting...</source>
        <translation>veuillez patienter…</translation>
    </message>
    <message>
        <source>File Size &gt; 10 MBytes.
 Does this really a text file?</source>
        <translation>Le fichier dépasse 10 Mo.
S’agit-il vraiment d’un fichier texte&#xa0;?</translation>
    </message>
    <message>
        <source>save to: </source>
        <translation>Enregistrer dans&#xa0;: </translation>
    </message>
</context>
<context>
    <name>KvResultDialog</name>
    <message>
        <source>Detail</source>
        <translation>Détails</translation>
    </message>
</context>
</TS>
