<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AlternatingVoltagePage</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Frequenz: 1,20MHz</source>
        <translation>Frequency: 1.20MHz</translation>
    </message>
    <message>
        <source>Frequenz: %1</source>
        <translation>Frequency: %1</translation>
    </message>
    <message>
        <source>Momentangeschwindigkeit:</source>
        <translation>Instantaneous velocity:</translation>
    </message>
    <message>
        <source>Maximalgeschwindigkeit:</source>
        <translation>Maximum velocity:</translation>
    </message>
    <message>
        <source>Maximalgeschwindigkeit: %1</source>
        <translation>Maximum velocity: %1</translation>
    </message>
    <message>
        <source>Momentangeschwindigkeit: %1</source>
        <translation>Instantaneous velocity: %1</translation>
    </message>
    <message>
        <source>Zeit-Geschwindigkeits-Diagramm</source>
        <translation>Time-velocity diagram</translation>
    </message>
</context>
<context>
    <name>BottomPages</name>
    <message>
        <source>Statische Ladungen</source>
        <translation>Static charges</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Misc</translation>
    </message>
    <message>
        <source>Bewegte Ladung</source>
        <translation>Moving charge</translation>
    </message>
    <message>
        <source>Bremsstrahlung</source>
        <translation>Bremsstrahlung</translation>
    </message>
    <message>
        <source>Zeitlupe</source>
        <translation>Slow motion</translation>
    </message>
    <message>
        <source>Wechselspannung</source>
        <translation>Alternating voltage</translation>
    </message>
    <message>
        <source>Render</source>
        <translation>Render</translation>
    </message>
</context>
<context>
    <name>BremsstrahlungPage</name>
    <message>
        <source>Deaktivieren</source>
        <translation>Deactivate</translation>
    </message>
    <message>
        <source>Aktivieren</source>
        <translation>Activate</translation>
    </message>
    <message>
        <source>Bremsstrahlung</source>
        <translation>Bremsstrahlung</translation>
    </message>
    <message>
        <source>Die nicht-relativistische Bremsstrahlung ist so gering, dass man ihre Auswirkungen in der Simulation nicht sehen kann.</source>
        <translation>Non-relativistic Bremsstrahlung is so weak that its effects cannot be seen in the simulation.</translation>
    </message>
    <message>
        <source>Um die Wirkung der Strahlung trotzdem sichtbar zu machen, wird die Bremsstrahlung in der Simulation stark verstärkt.</source>
        <translation>To make the effect of the radiation visible all the same, the simulation amplifies the Bremsstrahlung strongly.</translation>
    </message>
    <message>
        <source>Tipp: Um die Flugbahn zu verlängern, erhöhen Sie im Tab &quot;Bewegte Ladungen&quot; die Anzahl der Berechnungen!</source>
        <translation>Tip: To make the path longer, increase the number of calculations on the tab &quot;Moving charge&quot;!</translation>
    </message>
    <message>
        <source>Die Bremsstrahlung wird um den Faktor                 erhöht.</source>
        <extracomment>The blanks are the gap the factor box sits in; keep them, and the words before them as in the entry &quot;Die Bremsstrahlung wird um den Faktor &quot;.</extracomment>
        <translation>The Bremsstrahlung is multiplied by the factor                 .</translation>
    </message>
    <message>
        <source>Die Bremsstrahlung wird um den Faktor </source>
        <extracomment>The words of the factor sentence before its gap, with the blank that follows them.</extracomment>
        <translation>The Bremsstrahlung is multiplied by the factor </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Voltaris 2010: charged spheres in a square, their potential as a coloured surface and a top view
with equipotential and field lines, and charged particles launched through the field.</source>
        <translation>Voltaris 2010: charged spheres in a square, their potential as a coloured surface and a top view
with equipotential and field lines, and charged particles launched through the field.</translation>
    </message>
    <message>
        <source>Start without the splash window.</source>
        <translation>Start without the splash window.</translation>
    </message>
    <message>
        <source>Send no usage report during this run.</source>
        <translation>Send no usage report during this run.</translation>
    </message>
    <message>
        <source>Language of the interface: de (German) or en (English). Without it the program is English when the system&apos;s language is English, German otherwise.</source>
        <translation>Language of the interface: de (German) or en (English). Without it the program is English when the system&apos;s language is English, German otherwise.</translation>
    </message>
    <message>
        <source>A project file (.psf) to open once the program has started.</source>
        <translation>A project file (.psf) to open once the program has started.</translation>
    </message>
    <message>
        <source>Only one project file can be opened.</source>
        <translation>Only one project file can be opened.</translation>
    </message>
    <message>
        <source>Unknown language &apos;%1&apos;: use de or en.</source>
        <translation>Unknown language &apos;%1&apos;: use de or en.</translation>
    </message>
    <message>
        <source>Try &apos;voltaris --help&apos;.</source>
        <translation>Try &apos;voltaris --help&apos;.</translation>
    </message>
</context>
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
    <name>DataExport</name>
    <message>
        <source>Die Daten konnten nicht unter &quot;%1&quot; gespeichert werden: %2</source>
        <translation>The data could not be saved as &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>EditStep</name>
    <message>
        <source>Ladung hinzufügen</source>
        <translation>Add charge</translation>
    </message>
    <message>
        <source>Ladung löschen</source>
        <translation>Delete charge</translation>
    </message>
    <message>
        <source>Ladung verschieben</source>
        <translation>Move charge</translation>
    </message>
    <message>
        <source>Ladungsradius ändern</source>
        <translation>Change charge radius</translation>
    </message>
    <message>
        <source>Ladungsbetrag ändern</source>
        <translation>Change amount of charge</translation>
    </message>
    <message>
        <source>Ladungsposition ändern</source>
        <translation>Change charge position</translation>
    </message>
    <message>
        <source>Vorzeichen vertauschen</source>
        <translation>Swap signs</translation>
    </message>
    <message>
        <source>Größe des Koordinatensystems ändern</source>
        <translation>Resize coordinate system</translation>
    </message>
    <message>
        <source>Teilchen wählen</source>
        <translation>Choose particle</translation>
    </message>
    <message>
        <source>Teilchenladung ändern</source>
        <translation>Change particle charge</translation>
    </message>
    <message>
        <source>Teilchenmasse ändern</source>
        <translation>Change particle mass</translation>
    </message>
    <message>
        <source>Anfangsgeschwindigkeit ändern</source>
        <translation>Change initial velocity</translation>
    </message>
    <message>
        <source>Anzahl Rechnungen ändern</source>
        <translation>Change number of calculations</translation>
    </message>
    <message>
        <source>Startpunkt verschieben</source>
        <translation>Move starting point</translation>
    </message>
    <message>
        <source>Startrichtung drehen</source>
        <translation>Turn starting direction</translation>
    </message>
    <message>
        <source>dt neu berechnen</source>
        <translation>Recalculate dt</translation>
    </message>
    <message>
        <source>Neues Tab</source>
        <translation>New tab</translation>
    </message>
    <message>
        <source>Tab duplizieren</source>
        <translation>Duplicate tab</translation>
    </message>
    <message>
        <source>Tab löschen</source>
        <translation>Delete tab</translation>
    </message>
    <message>
        <source>Tab umbenennen</source>
        <translation>Rename tab</translation>
    </message>
    <message>
        <source>Projekt umbenennen</source>
        <translation>Rename project</translation>
    </message>
</context>
<context>
    <name>FrameRateReadout</name>
    <message>
        <source>%1: %2 FPS; Total:%3</source>
        <translation>%1: %2 FPS; Total: %3</translation>
    </message>
</context>
<context>
    <name>GraphExport</name>
    <message>
        <source>unbekanntes Format</source>
        <translation>unknown format</translation>
    </message>
    <message>
        <source>Unbekanntes Format - Das Bild konnte nicht gespeichert werden.</source>
        <translation>Unknown format - The picture could not be saved.</translation>
    </message>
    <message>
        <source>Die Ansicht zeichnet kein Bild - Das Bild konnte nicht gespeichert werden.</source>
        <translation>The view draws no picture - The picture could not be saved.</translation>
    </message>
    <message>
        <source>Das Bild konnte nicht unter &quot;%1&quot; gespeichert werden: %2</source>
        <translation>The picture could not be saved as &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>GraphViews</name>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
</context>
<context>
    <name>MiscPage</name>
    <message>
        <source>Feldlinien anzeigen</source>
        <translation>Show field lines</translation>
    </message>
    <message>
        <source>viele Feldlinien anzeigen</source>
        <translation>Show many field lines</translation>
    </message>
    <message>
        <source>nur</source>
        <translation>only</translation>
    </message>
    <message>
        <source>Aquiportenziallinien zeigen (II)</source>
        <translation>Show equipotential lines (II)</translation>
    </message>
    <message>
        <source>Realfeldlinien zeigen</source>
        <translation>Show real field lines</translation>
    </message>
    <message>
        <source>Positive und negative Ladungen vertauschen</source>
        <translation>Swap positive and negative charges</translation>
    </message>
</context>
<context>
    <name>NumberFormat</name>
    <message>
        <source>&apos;%1&apos; ist kein gültiger Gleitkommawert</source>
        <translation>&apos;%1&apos; is not a valid floating-point value</translation>
    </message>
</context>
<context>
    <name>OutputDialogs</name>
    <message>
        <source>Alle (*.jpg;*.jpeg;*.bmp;*.png) (*.jpg *.jpeg *.bmp *.png)</source>
        <translation>All (*.jpg;*.jpeg;*.bmp;*.png) (*.jpg *.jpeg *.bmp *.png)</translation>
    </message>
    <message>
        <source>JPEG-Grafikdatei (*.jpg) - gute Qualität (*.jpg)</source>
        <translation>JPEG image (*.jpg) - good quality (*.jpg)</translation>
    </message>
    <message>
        <source>JPEG-Grafikdatei (*.jpeg) - gute Qualität (*.jpeg)</source>
        <translation>JPEG image (*.jpeg) - good quality (*.jpeg)</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp) - beste Qualität (*.bmp)</source>
        <translation>Bitmap (*.bmp) - best quality (*.bmp)</translation>
    </message>
    <message>
        <source>PNG-Grafikdatei (*.png) - verlustfrei, für Arbeitsblätter (*.png)</source>
        <translation>PNG image (*.png) - lossless, for worksheets (*.png)</translation>
    </message>
    <message>
        <source>Graph als Bild exportieren...</source>
        <translation>Export graph as image...</translation>
    </message>
    <message>
        <source>Daten exportieren...</source>
        <translation>Export data...</translation>
    </message>
</context>
<context>
    <name>ParticlePage</name>
    <message>
        <source>Ion, Elektron, Positron</source>
        <translation>Ion, electron, positron</translation>
    </message>
    <message>
        <source>Bitte ein Teilchen auswählen</source>
        <translation>Please choose a particle</translation>
    </message>
    <message>
        <source>Elektron</source>
        <translation>Electron</translation>
    </message>
    <message>
        <source>Positron</source>
        <translation>Positron</translation>
    </message>
    <message>
        <source>H-Kern</source>
        <translation>H nucleus</translation>
    </message>
    <message>
        <source>He-Kern</source>
        <translation>He nucleus</translation>
    </message>
    <message>
        <source>oder</source>
        <translation>or</translation>
    </message>
    <message>
        <source>Daten manuell eingeben</source>
        <translation>Enter data by hand</translation>
    </message>
    <message>
        <source>Ladung:</source>
        <translation>Charge:</translation>
    </message>
    <message>
        <source>Masse:</source>
        <translation>Mass:</translation>
    </message>
    <message>
        <source>Anfangsgeschwindigkeit:</source>
        <translation>Initial velocity:</translation>
    </message>
    <message>
        <source>Anzahl Rechnungen:</source>
        <translation>Number of calculations:</translation>
    </message>
    <message>
        <source>dt neu berechnen</source>
        <translation>Recalculate dt</translation>
    </message>
    <message>
        <source>Startpunkt und Richtung:</source>
        <translation>Starting point and direction:</translation>
    </message>
    <message>
        <source>x:</source>
        <translation>x:</translation>
    </message>
    <message>
        <source>y:</source>
        <translation>y:</translation>
    </message>
    <message>
        <source>Richtung:</source>
        <translation>Direction:</translation>
    </message>
    <message>
        <source>Deaktivieren</source>
        <translation>Deactivate</translation>
    </message>
    <message>
        <source>Aktivieren</source>
        <translation>Activate</translation>
    </message>
    <message>
        <source>Spezifische Ladung:     %1</source>
        <translation>Specific charge:     %1</translation>
    </message>
    <message>
        <source>v &gt; 0,1 c: die Bahn ist hier nicht mehr klassisch (höchste Geschwindigkeit %1 m/s)</source>
        <translation>v &gt; 0.1 c: the path is no longer classical here (highest speed %1 m/s)</translation>
    </message>
    <message>
        <source>Der Startpunkt muss im Koordinatensystem liegen: x und y von 0 bis %1 m.</source>
        <translation>The starting point must lie in the coordinate system: x and y from 0 to %1 m.</translation>
    </message>
</context>
<context>
    <name>PointerReadout</name>
    <message>
        <source>X: %1 m ,Y: %2 m , Z: %3 V (J/C)</source>
        <translation>X: %1 m, Y: %2 m, Z: %3 V (J/C)</translation>
    </message>
    <message>
        <source>X: %1 m ,Y: %2 m, Z: %3 V (J/C)</source>
        <translation>X: %1 m, Y: %2 m, Z: %3 V (J/C)</translation>
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
    <name>RenderPage</name>
    <message>
        <source>solid</source>
        <translation>solid</translation>
    </message>
    <message>
        <source>verlaufen</source>
        <translation>smooth</translation>
    </message>
    <message>
        <source>Rendering</source>
        <translation>Rendering</translation>
    </message>
    <message>
        <source>Auflösung</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>ÄPFen</source>
        <translation>Colour steps</translation>
    </message>
    <message>
        <source>Shader</source>
        <translation>Shader</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Show Debuglog</source>
        <translation>Show debug log</translation>
    </message>
</context>
<context>
    <name>SlowMotionPage</name>
    <message>
        <source>kinetisch</source>
        <translation>kinetic</translation>
    </message>
    <message>
        <source>potenziell</source>
        <translation>potential</translation>
    </message>
    <message>
        <source>gesamt</source>
        <translation>total</translation>
    </message>
    <message>
        <source>abgestrahlt</source>
        <translation>radiated</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Zeit-Energie-Diagramm</source>
        <translation>Time-energy diagram</translation>
    </message>
    <message>
        <source>Zeit-Geschwindigkeits-Diagramm</source>
        <translation>Time-velocity diagram</translation>
    </message>
    <message>
        <source>Zeitlupe: 1 s entspricht %1 s</source>
        <translation>Slow motion: 1 s corresponds to %1 s</translation>
    </message>
    <message>
        <source>Momentangeschwindigkeit:</source>
        <translation>Instantaneous velocity:</translation>
    </message>
    <message>
        <source>Maximalgeschwindigkeit:</source>
        <translation>Maximum velocity:</translation>
    </message>
    <message>
        <source>Endgeschwindigkeit: %1</source>
        <translation>Final velocity: %1</translation>
    </message>
    <message>
        <source>Momentangeschwindigkeit: %1</source>
        <translation>Instantaneous velocity: %1</translation>
    </message>
    <message>
        <source>Maximalgeschwindigkeit: %1</source>
        <translation>Maximum velocity: %1</translation>
    </message>
    <message>
        <source>Kinetische Energie:</source>
        <translation>Kinetic energy:</translation>
    </message>
    <message>
        <source>Potenzielle Energie:</source>
        <translation>Potential energy:</translation>
    </message>
    <message>
        <source>Gesamtenergie:</source>
        <translation>Total energy:</translation>
    </message>
    <message>
        <source>Abgestrahlte Energie:</source>
        <translation>Radiated energy:</translation>
    </message>
    <message>
        <source>Kinetische Energie: %1</source>
        <translation>Kinetic energy: %1</translation>
    </message>
    <message>
        <source>Potenzielle Energie: %1</source>
        <translation>Potential energy: %1</translation>
    </message>
    <message>
        <source>Gesamtenergie: %1</source>
        <translation>Total energy: %1</translation>
    </message>
    <message>
        <source>Abgestrahlte Energie: %1</source>
        <translation>Radiated energy: %1</translation>
    </message>
    <message>
        <source>Diagramm:</source>
        <translation>Diagram:</translation>
    </message>
    <message>
        <source>Geschwindigkeit</source>
        <translation>Velocity</translation>
    </message>
    <message>
        <source>Energien</source>
        <translation>Energies</translation>
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
    <name>StaticChargesPage</name>
    <message>
        <source>Q in [C]</source>
        <translation>Q in [C]</translation>
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
        <source>Es sind noch keine Ladungen vorhanden. Um Ladungen hinzuzufügen, auf die gewünschte Stelle rechts klicken.</source>
        <translation>There are no charges yet. To add a charge, right-click where it should be.</translation>
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
    <name>voltaris::LanguageMenu</name>
    <message>
        <source>&amp;Sprache / Language</source>
        <translation>&amp;Sprache / Language</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
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
