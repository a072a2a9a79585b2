<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CoreTexts</name>
    <message>
        <source>Soll das aktuelle Projekt gespeichert werden, bevor ein neues erstellt wird?</source>
        <translation>Do you want to save the current project before a new one is created?</translation>
    </message>
    <message>
        <source>Soll das aktuelle Projekt gespeichert werden, bevor ein anderes geöffnet wird?</source>
        <translation>Do you want to save the current project before another one is opened?</translation>
    </message>
    <message>
        <source>Soll das aktuelle Projekt gespeichert werden, bevor das Programm beendet wird?</source>
        <translation>Do you want to save the current project before the program closes?</translation>
    </message>
    <message>
        <source>Soll das Tab wirklich gelöscht werden?</source>
        <translation>Do you really want to delete the tab?</translation>
    </message>
    <message>
        <source>Projekt umbennennen</source>
        <translation>Rename project</translation>
    </message>
    <message>
        <source>Bitte geben Sie einen neuen Namen für das Projekt ein:</source>
        <translation>Please enter a new name for the project:</translation>
    </message>
    <message>
        <source>Tab umbennennen</source>
        <translation>Rename tab</translation>
    </message>
    <message>
        <source>Bitte geben Sie einen neuen Namen für das Tab ein:</source>
        <translation>Please enter a new name for the tab:</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Tabs (Elemente &quot;feld&quot;).</source>
        <translation>The file contains no tabs (elements &quot;feld&quot;).</translation>
    </message>
    <message>
        <source>kein Fehler</source>
        <translation>no error</translation>
    </message>
    <message>
        <source>Datei nicht gefunden</source>
        <translation>file not found</translation>
    </message>
    <message>
        <source>Lesefehler</source>
        <translation>read error</translation>
    </message>
    <message>
        <source>nicht genug Arbeitsspeicher</source>
        <translation>not enough memory</translation>
    </message>
    <message>
        <source>interner Fehler beim Lesen</source>
        <translation>internal error while reading</translation>
    </message>
    <message>
        <source>unbekannte Markierung nach &quot;&lt;&quot;</source>
        <translation>unknown tag after &quot;&lt;&quot;</translation>
    </message>
    <message>
        <source>fehlerhafte Deklaration oder Verarbeitungsanweisung (&quot;&lt;?&quot;)</source>
        <translation>faulty declaration or processing instruction (&quot;&lt;?&quot;)</translation>
    </message>
    <message>
        <source>fehlerhafter Kommentar</source>
        <translation>faulty comment</translation>
    </message>
    <message>
        <source>fehlerhafter CDATA-Abschnitt</source>
        <translation>faulty CDATA section</translation>
    </message>
    <message>
        <source>fehlerhafte Dokumenttyp-Angabe</source>
        <translation>faulty document type declaration</translation>
    </message>
    <message>
        <source>fehlerhafter Text zwischen den Elementen</source>
        <translation>faulty text between the elements</translation>
    </message>
    <message>
        <source>fehlerhaftes Start-Tag</source>
        <translation>faulty start tag</translation>
    </message>
    <message>
        <source>fehlerhaftes Attribut</source>
        <translation>faulty attribute</translation>
    </message>
    <message>
        <source>fehlerhaftes End-Tag</source>
        <translation>faulty end tag</translation>
    </message>
    <message>
        <source>End-Tag passt nicht zum Start-Tag</source>
        <translation>end tag does not match the start tag</translation>
    </message>
    <message>
        <source>Knoten an dieser Stelle nicht erlaubt</source>
        <translation>node not allowed at this place</translation>
    </message>
    <message>
        <source>kein Wurzelelement gefunden</source>
        <translation>no root element found</translation>
    </message>
    <message>
        <source>unbekannter Fehler beim Lesen</source>
        <translation>unknown error while reading</translation>
    </message>
    <message>
        <source>Datei oder Verzeichnis nicht gefunden</source>
        <translation>No such file or directory</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>Die Operation ist nicht erlaubt</source>
        <translation>Operation not permitted</translation>
    </message>
    <message>
        <source>Ist ein Verzeichnis</source>
        <translation>Is a directory</translation>
    </message>
    <message>
        <source>Ist kein Verzeichnis</source>
        <translation>Not a directory</translation>
    </message>
    <message>
        <source>Auf dem Gerät ist kein Speicherplatz mehr verfügbar</source>
        <translation>No space left on device</translation>
    </message>
    <message>
        <source>Der zugewiesene Plattenplatz (Quota) ist überschritten</source>
        <translation>Disk quota exceeded</translation>
    </message>
    <message>
        <source>Das Dateisystem ist nur lesbar</source>
        <translation>Read-only file system</translation>
    </message>
    <message>
        <source>Der Dateiname ist zu lang</source>
        <translation>File name too long</translation>
    </message>
    <message>
        <source>Zu viele offene Dateien</source>
        <translation>Too many open files</translation>
    </message>
    <message>
        <source>Eingabe-/Ausgabefehler</source>
        <translation>Input/output error</translation>
    </message>
    <message>
        <source>Unbekanntes Format - Das Bild konnte nicht gespeichert werden.</source>
        <translation>Unknown format - the picture could not be saved.</translation>
    </message>
    <message>
        <source>Q in [C]</source>
        <translation>Q in [C]</translation>
    </message>
    <message>
        <source>Q in [e]</source>
        <translation>Q in [e]</translation>
    </message>
    <message>
        <source>Radius in [m]</source>
        <translation>Radius in [m]</translation>
    </message>
    <message>
        <source>X-Pos in [m]</source>
        <translation>X pos in [m]</translation>
    </message>
    <message>
        <source>Y-Pos in [m]</source>
        <translation>Y pos in [m]</translation>
    </message>
    <message>
        <source>Leider kann die Ladung nicht erstellt werden. Es können maximal %1 Ladungen erstellt werden.</source>
        <translation>Sorry, the charge cannot be created. At most %1 charges can be created.</translation>
    </message>
    <message>
        <source>Leider kann das Tab nicht erstellt werden. Es können maximal %1 Tabs erstellt werden.</source>
        <translation>Sorry, the tab cannot be created. At most %1 tabs can be created.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist keine gültige Projektdatei (Zeile %2): %3.</source>
        <translation>The file %1 is not a valid project file (line %2): %3.</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr, als ein Projekt aufnehmen kann (höchstens 20 Tabs, 20 Ladungen und 3 Teilchen je Tab). Nicht geladen wurden: %1.</source>
        <translation>The file contains more than a project can hold (at most 20 tabs, 20 charges and 3 particles per tab). Not loaded: %1.</translation>
    </message>
    <message>
        <source>%1 Tab</source>
        <translation>%1 tab</translation>
    </message>
    <message>
        <source>%1 Tabs</source>
        <translation>%1 tabs</translation>
    </message>
    <message>
        <source>%1 Ladung</source>
        <translation>%1 charge</translation>
    </message>
    <message>
        <source>%1 Ladungen</source>
        <translation>%1 charges</translation>
    </message>
    <message numerus="yes">
        <source>%n Teilchen</source>
        <translation>
            <numerusform>%n particle</numerusform>
            <numerusform>%n particles</numerusform>
        </translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden: %2</source>
        <translation>The file %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>Datei %1 kann nicht erstellt werden</source>
        <translation>File %1 cannot be created</translation>
    </message>
    <message>
        <source>Systemfehler Nummer %1</source>
        <translation>System error number %1</translation>
    </message>
    <message>
        <source>Die Daten konnten nicht unter &quot;%1&quot; gespeichert werden: %2</source>
        <translation>The data could not be saved as &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Das Koordinatensystem ist %1m im Quadrat</source>
        <translation>The coordinate system is %1 m square</translation>
    </message>
    <message>
        <source>Ladung %1</source>
        <translation>Charge %1</translation>
    </message>
    <message>
        <source>Die Datei &quot;Facharbeit.pdf&quot; konnte in diesem Ordner nicht gefunden werden.<byte value="xd"/>
Soll die Datei aus dem Internet heruntergeladen werden?</source>
        <translation>The file &quot;Handbook.pdf&quot; could not be found in this folder.<byte value="xd"/>
Do you want to download the file from the internet?</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Achtung!</source>
        <translation>Attention!</translation>
    </message>
    <message>
        <source>Potenzial-Dateien (*.psf)</source>
        <translation>Potential files (*.psf)</translation>
    </message>
    <message>
        <source>Textdateien (XML-Format: *.txt;*.xml) (*txt *.xml)</source>
        <translation>Text files (XML format: *.txt;*.xml) (*txt *.xml)</translation>
    </message>
    <message>
        <source>Alle (*.*) (*)</source>
        <translation>All (*.*) (*)</translation>
    </message>
    <message>
        <source>Potenzial-Dateien laden...</source>
        <translation>Load potential files...</translation>
    </message>
    <message>
        <source>Potenzial-Dateien speichern...</source>
        <translation>Save potential files...</translation>
    </message>
</context>
<context>
    <name>SplashPicture</name>
    <message>
        <source>Elektrische Felder sehen und verstehen</source>
        <translation>Seeing and understanding electric fields</translation>
    </message>
    <message>
        <source>Potenzial · Feldstärke · Bewegte Ladungen</source>
        <translation>Potential · Field strength · Moving charges</translation>
    </message>
</context>
<context>
    <name>ViewOptionControls</name>
    <message>
        <source>Gesammt&amp;feldstärke anzeigen</source>
        <translation>Show total &amp;field strength</translation>
    </message>
    <message>
        <source>&amp;Alle Feldstärken anzeigen</source>
        <translation>Show &amp;all field strengths</translation>
    </message>
    <message>
        <source>Farbigen &amp;Graph anzeigen</source>
        <translation>Show coloured &amp;graph</translation>
    </message>
    <message>
        <source>&amp;Äquipotenziallinien anzeigen</source>
        <translation>Show &amp;equipotential lines</translation>
    </message>
    <message>
        <source>Feld&amp;linien anzeigen</source>
        <translation>Show field &amp;lines</translation>
    </message>
    <message>
        <source>Achsen&amp;beschriftung anzeigen</source>
        <translation>Show axis la&amp;bels</translation>
    </message>
    <message>
        <source>Graph als Bilddatei &amp;exportieren</source>
        <translation>E&amp;xport graph as image file</translation>
    </message>
    <message>
        <source>Achsenbeschriftung und Farbskala</source>
        <translation>Axis labels and colour scale</translation>
    </message>
    <message>
        <source>&amp;3DGraph</source>
        <translation>&amp;3D graph</translation>
    </message>
    <message>
        <source>&amp;2DGraph</source>
        <translation>&amp;2D graph</translation>
    </message>
    <message>
        <source>3D Graph</source>
        <translation>3D graph</translation>
    </message>
    <message>
        <source>2D Graph</source>
        <translation>2D graph</translation>
    </message>
    <message>
        <source>Gesamt&amp;feldstärke anzeigen</source>
        <translation>Show total &amp;field strength</translation>
    </message>
    <message>
        <source>Farb&amp;verlauf aktivieren</source>
        <translation>Enable colour gra&amp;dient</translation>
    </message>
    <message>
        <source>Farb&amp;skala anzeigen</source>
        <translation>Show colour &amp;scale</translation>
    </message>
    <message>
        <source>Ansicht &amp;zurücksetzen</source>
        <translation>&amp;Reset view</translation>
    </message>
    <message>
        <source>&amp;Einpassen</source>
        <translation>F&amp;it to view</translation>
    </message>
</context>
<context>
    <name>voltaris::ChargeEditor</name>
    <message>
        <source>Hier Ladung hinzufügen</source>
        <translation>Add charge here</translation>
    </message>
    <message>
        <source>&amp;Anderer Betrag</source>
        <translation>&amp;Other amount</translation>
    </message>
    <message>
        <source>Ladung &amp;löschen</source>
        <translation>&amp;Delete charge</translation>
    </message>
</context>
<context>
    <name>voltaris::DisplayOptions</name>
    <message>
        <source>gestuft</source>
        <translation>stepped</translation>
    </message>
    <message>
        <source>verlaufen</source>
        <translation>smooth</translation>
    </message>
    <message>
        <source>lines</source>
        <translation>lines</translation>
    </message>
    <message>
        <source>wireframe</source>
        <translation>wireframe</translation>
    </message>
    <message>
        <source>points</source>
        <translation>points</translation>
    </message>
    <message>
        <source>solid</source>
        <translation>solid</translation>
    </message>
</context>
<context>
    <name>voltaris::Form1</name>
    <message>
        <source>Voltaris 2010 - Projekt: %1</source>
        <translation>Voltaris 2010 - Project: %1</translation>
    </message>
    <message>
        <source>Toolbar zeigen</source>
        <translation>Show toolbar</translation>
    </message>
    <message>
        <source>Toolbar verbergen</source>
        <translation>Hide toolbar</translation>
    </message>
    <message>
        <source>Um die Ladung endgültig zu löschen bitte mit J bestätigen. Mit beliebiger Taste abbrechen.</source>
        <translation>To delete the charge for good, confirm with J. Press any other key to cancel.</translation>
    </message>
    <message>
        <source>Bitte Änderungen mit &apos;Y&apos; bestätigen!</source>
        <translation>Please confirm changes with &apos;Y&apos;!</translation>
    </message>
    <message>
        <source>Bitte den Ladungsbetrag eingeben:</source>
        <translation>Please enter the amount of charge:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tipp: Schreiben Sie &quot;1,2E5&quot;  für &quot;1,2*    </source>
        <extracomment>The four spaces at the end leave the room where the raised power of ten &quot;10⁵&quot; stands.</extracomment>
        <translation>Tip: type &quot;1.2E5&quot;  for &quot;1.2*    </translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Neues Projekt</source>
        <translation>&amp;New project</translation>
    </message>
    <message>
        <source>Erstellt ein neues Projekt.</source>
        <translation>Creates a new project.</translation>
    </message>
    <message>
        <source>Projekt &amp;öffnen</source>
        <translation>&amp;Open project</translation>
    </message>
    <message>
        <source>Öffnet ein Projekt aus einer Datei.</source>
        <translation>Opens a project from a file.</translation>
    </message>
    <message>
        <source>&amp;Beispielprojekt öffnen</source>
        <translation>Open sa&amp;mple project</translation>
    </message>
    <message>
        <source>Öffnet das Beispielprojekt.</source>
        <translation>Opens the sample project.</translation>
    </message>
    <message>
        <source>Alles &amp;Speichern</source>
        <translation>&amp;Save all</translation>
    </message>
    <message>
        <source>Speichert das Projekt ab.</source>
        <translation>Saves the project.</translation>
    </message>
    <message>
        <source>Speichern unte&amp;r</source>
        <translation>Save &amp;as</translation>
    </message>
    <message>
        <source>Geben Sie dem Projekt einen neuen Dateinamen</source>
        <translation>Give the project a new file name</translation>
    </message>
    <message>
        <source>Projekt &amp;umbenennen</source>
        <translation>&amp;Rename project</translation>
    </message>
    <message>
        <source>Geben Sie dem Projekt einen anderen Namen. Hinweis: Der Dateiname wird nicht geändert.</source>
        <translation>Give the project another name. Note: the file name is not changed.</translation>
    </message>
    <message>
        <source>Daten e&amp;xportieren…</source>
        <translation>E&amp;xport data…</translation>
    </message>
    <message>
        <source>Speichert Äquipotenziallinien, Feldlinien und Teilchenbahn des Tabs als CSV-Dateien.</source>
        <translation>Saves the tab&apos;s equipotential lines, field lines and particle path as CSV files.</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Beendet das Programm.</source>
        <translation>Quits the program.</translation>
    </message>
    <message>
        <source>&amp;Tabs</source>
        <translation>&amp;Tabs</translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Erstellt ein neues, leeres Tab.</source>
        <translation>Creates a new, empty tab.</translation>
    </message>
    <message>
        <source>Tab &amp;duplizieren</source>
        <translation>&amp;Duplicate tab</translation>
    </message>
    <message>
        <source>Erstellt ein neues Tab mit dem gleichen Inhalt wie das gerade Geöffnete.</source>
        <translation>Creates a new tab with the same content as the one open now.</translation>
    </message>
    <message>
        <source>Tab &amp;drucken</source>
        <translation>&amp;Print tab</translation>
    </message>
    <message>
        <source>Druckt den Inhalt des geöffneten Tab.</source>
        <translation>Prints the content of the open tab.</translation>
    </message>
    <message>
        <source>Tab &amp;löschen</source>
        <translation>De&amp;lete tab</translation>
    </message>
    <message>
        <source>Löscht das geöffnete Tab.</source>
        <translation>Deletes the open tab.</translation>
    </message>
    <message>
        <source>Tab &amp;umbenennen</source>
        <translation>&amp;Rename tab</translation>
    </message>
    <message>
        <source>Geben Sie dem geöffneten Tab einen neuen Namen.</source>
        <translation>Give the open tab a new name.</translation>
    </message>
    <message>
        <source>&amp;Extras</source>
        <translation>&amp;Extras</translation>
    </message>
    <message>
        <source>Positive und negative Ladungen &amp;vertauschen</source>
        <translation>Swap &amp;positive and negative charges</translation>
    </message>
    <message>
        <source>Ladung in Coloumb bzw &amp;Elementarladungen angeben</source>
        <translation>Charges in coulombs or &amp;elementary charges</translation>
    </message>
    <message>
        <source>&amp;Über</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Öffnen Sie den schriftlichen Teil der Facharbeit.</source>
        <translation>Open the written handbook.</translation>
    </message>
    <message>
        <source>&amp;Website öffnen</source>
        <translation>Open &amp;website</translation>
    </message>
    <message>
        <source>+/-</source>
        <translation>+/-</translation>
    </message>
    <message>
        <source>Positive und negative Ladungen vertauschen</source>
        <translation>Swap positive and negative charges</translation>
    </message>
    <message>
        <source>Q in e</source>
        <translation>Q in e</translation>
    </message>
    <message>
        <source>Ladung in Coloumb bzw Elementarladungen angeben</source>
        <translation>Charges in coulombs or elementary charges</translation>
    </message>
    <message>
        <source>&amp;Rückgängig</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Wiederholen</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>E&amp;dit</translation>
    </message>
    <message>
        <source>Nimmt den letzten Schritt zurück.</source>
        <translation>Takes back the last step.</translation>
    </message>
    <message>
        <source>Führt den zuletzt zurückgenommenen Schritt wieder aus.</source>
        <translation>Does the last step taken back once more.</translation>
    </message>
</context>
<context>
    <name>voltaris::StatusPanels</name>
    <message>
        <source>Hinw…</source>
        <translation>Hint…</translation>
    </message>
</context>
</TS>
