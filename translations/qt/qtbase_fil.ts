<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Qt's own button texts, for a language Qt ships no catalogue for (built as qtbase_fil.qm).
     Kept by hand, not by lupdate: the contexts and sources are Qt's. -->
<TS version="2.1" language="fil" sourcelanguage="en">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Kanselahin</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oo</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Hindi</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>I-save</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Isara</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Buksan</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Tulong</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Ilapat</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>I-reset</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Itapon</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Ihinto</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Subukang muli</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Balewalain</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>I-save lahat</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Oo sa &amp;lahat</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Hindi sa la&amp;hat</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Ibalik ang dati</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>I-&amp;save</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>I&amp;sara</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Kanselahin</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Isara nang hindi sine-save</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Tulong</translation>
    </message>
    <message>
        <source>Show Details...</source>
        <translation>Ipakita ang detalye...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Itago ang detalye...</translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Kanselahin</translation>
    </message>
</context>
</TS>
