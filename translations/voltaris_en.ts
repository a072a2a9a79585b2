<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
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
    <name>NumberFormat</name>
    <message>
        <source>&apos;%1&apos; ist kein gültiger Gleitkommawert</source>
        <translation>&apos;%1&apos; is not a valid floating-point value</translation>
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
</TS>
