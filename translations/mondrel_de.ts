<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Mondrel...</source>
        <translation>Über Mondrel...</translation>
    </message>
    <message>
        <source>A desktop publisher for personal photo calendars: lay out photos, months, texts and frames on a page, then print it, save it or export it as a picture or PDF.</source>
        <translation>Ein Gestaltungsprogramm für persönliche Fotokalender: Fotos, Monate, Texte und Rahmen auf einer Seite anordnen, dann drucken, speichern oder als Bild oder PDF exportieren.</translation>
    </message>
</context>
<context>
    <name>Actions</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Neu	Strg+N</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Ein neues Dokument anlegen
Neu</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>Ö&amp;ffnen...	Strg+O</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Ein vorhandenes Dokument öffnen
Öffnen</translation>
    </message>
    <message>
        <source>&amp;Close	Ctrl+W</source>
        <translation>&amp;Schließen	Strg+W</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>Das aktive Dokument schließen
Schließen</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>S&amp;peichern	Strg+S</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Das aktive Dokument speichern
Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...	Ctrl+Shift+S</source>
        <translation>Speichern &amp;unter...	Strg+Umschalt+S</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Das aktive Dokument unter einem neuen Namen speichern
Speichern unter</translation>
    </message>
    <message>
        <source>Save Calendar &amp;Image as... </source>
        <translation>Kalender als B&amp;ild speichern... </translation>
    </message>
    <message>
        <source>Save Calendar as BMP or JPEG file
BMP or JPEG file</source>
        <translation>Den Kalender als BMP- oder JPEG-Datei speichern
BMP- oder JPEG-Datei</translation>
    </message>
    <message>
        <source>Export as P&amp;DF...</source>
        <translation>&amp;Als PDF exportieren...</translation>
    </message>
    <message>
        <source>Save the page as a PDF document
PDF file</source>
        <translation>Die Seite als PDF-Dokument speichern
PDF-Datei</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drucken...	Strg+P</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Das aktive Dokument drucken
Drucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>Display full pages for Printing Preview
Print Preview</source>
        <translation>Ganze Seiten als Druckvorschau anzeigen
Druckvorschau</translation>
    </message>
    <message>
        <source>Insert &amp;New Object...</source>
        <translation>Neues &amp;Objekt einfügen...</translation>
    </message>
    <message>
        <source>Insert new linked or embedded object
New Object</source>
        <translation>Ein neues verknüpftes oder eingebettetes Objekt einfügen
Neues Objekt</translation>
    </message>
    <message>
        <source>E&amp;xit	Ctrl+Q</source>
        <translation>&amp;Beenden	Strg+Q</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Das Programm beenden; fragt, ob Dokumente gespeichert werden sollen
Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Rückgängig	Strg+Z</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Die letzte Aktion rückgängig machen
Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Shift+Z</source>
        <translation>Wieder&amp;herstellen	Strg+Umschalt+Z</translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation>Die zuletzt rückgängig gemachte Aktion wiederherstellen
Wiederherstellen</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>&amp;Ausschneiden	Strg+X</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Die Auswahl ausschneiden und in die Zwischenablage legen
Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Kopieren	Strg+C</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Die Auswahl in die Zwischenablage kopieren
Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>E&amp;infügen	Strg+V</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Den Inhalt der Zwischenablage einfügen
Einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete	Del</source>
        <translation>&amp;Löschen	Entf</translation>
    </message>
    <message>
        <source>Erase the selection
Erase</source>
        <translation>Die Auswahl löschen
Löschen</translation>
    </message>
    <message>
        <source>Select &amp;All	Ctrl+A</source>
        <translation>Alles aus&amp;wählen	Strg+A</translation>
    </message>
    <message>
        <source>Select the entire document
Select All</source>
        <translation>Das ganze Dokument auswählen
Alles auswählen</translation>
    </message>
    <message>
        <source>Proper&amp;ties...	Alt+Enter</source>
        <translation>&amp;Eigenschaften...	Alt+Eingabe</translation>
    </message>
    <message>
        <source>Edit drawing object properties</source>
        <translation>Die Eigenschaften des Zeichenobjekts bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Die Symbolleiste ein- oder ausblenden
Symbolleiste ein/aus</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>S&amp;tatusleiste</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Die Statusleiste ein- oder ausblenden
Statusleiste ein/aus</translation>
    </message>
    <message>
        <source>Design &amp;Grid Lines	G</source>
        <translation>Gestaltungs&amp;raster	G</translation>
    </message>
    <message>
        <source>Toggle display of Design Gridlines on current Calendar
Toggle Gridlines</source>
        <translation>Das Gestaltungsraster des aktuellen Kalenders ein- oder ausblenden
Raster ein/aus</translation>
    </message>
    <message>
        <source>Show &amp;Objects</source>
        <translation>&amp;Objekte kennzeichnen</translation>
    </message>
    <message>
        <source>Toggle OLE object indication</source>
        <translation>Die Kennzeichnung eingebetteter Objekte ein- oder ausschalten</translation>
    </message>
    <message>
        <source>Zoom &amp;In	Ctrl+=</source>
        <translation>&amp;Vergrößern	Strg+=</translation>
    </message>
    <message>
        <source>Increase Magnification - Zoom In
Zoom In</source>
        <translation>Die Ansicht vergrößern
Vergrößern</translation>
    </message>
    <message>
        <source>Zoom O&amp;ut	Ctrl+-</source>
        <translation>Ver&amp;kleinern	Strg+-</translation>
    </message>
    <message>
        <source>Decrease Magnification - Zoom Out
Zoom Out</source>
        <translation>Die Ansicht verkleinern
Verkleinern</translation>
    </message>
    <message>
        <source>&amp;Fit Page	Ctrl+0</source>
        <translation>&amp;Ganze Seite	Strg+0</translation>
    </message>
    <message>
        <source>Show the whole page
Fit Page</source>
        <translation>Die ganze Seite zeigen
Ganze Seite</translation>
    </message>
    <message>
        <source>Fit &amp;Width</source>
        <translation>Seiten&amp;breite</translation>
    </message>
    <message>
        <source>Show the page as wide as the window
Fit Width</source>
        <translation>Die Seite so breit wie das Fenster zeigen
Seitenbreite</translation>
    </message>
    <message>
        <source>&amp;Actual Size	Ctrl+1</source>
        <translation>Origina&amp;lgröße	Strg+1</translation>
    </message>
    <message>
        <source>Show the page at its natural size
Actual Size</source>
        <translation>Die Seite in ihrer wirklichen Größe zeigen
Originalgröße</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>&amp;Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Change Background Color of current Calendar
Background Color</source>
        <translation>Die Hintergrundfarbe des aktuellen Kalenders ändern
Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Background &amp;Image</source>
        <translation>Hintergrundb&amp;ild</translation>
    </message>
    <message>
        <source>Change Background Image of current Calendar
Background Image</source>
        <translation>Das Hintergrundbild des aktuellen Kalenders ändern
Hintergrundbild</translation>
    </message>
    <message>
        <source>&amp;Mondrel Options</source>
        <translation>&amp;Mondrel-Optionen</translation>
    </message>
    <message>
        <source>Set Default options of Mondrel
Mondrel Options</source>
        <translation>Die Voreinstellungen von Mondrel festlegen
Mondrel-Optionen</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Auswahl</translation>
    </message>
    <message>
        <source>Choose object selection tool
Selection Tool</source>
        <translation>Das Auswahlwerkzeug wählen
Auswahlwerkzeug</translation>
    </message>
    <message>
        <source>&amp;Line</source>
        <translation>&amp;Linie</translation>
    </message>
    <message>
        <source>Choose line drawing tool
Line Tool</source>
        <translation>Das Linienwerkzeug wählen
Linienwerkzeug</translation>
    </message>
    <message>
        <source>&amp;Rectangle</source>
        <translation>&amp;Rechteck</translation>
    </message>
    <message>
        <source>Choose rectangle drawing tool
Rectangle Tool</source>
        <translation>Das Rechteckwerkzeug wählen
Rechteckwerkzeug</translation>
    </message>
    <message>
        <source>R&amp;ound Rectangle</source>
        <translation>Abger&amp;undetes Rechteck</translation>
    </message>
    <message>
        <source>Choose rounded rectangle drawing tool
Rounded Rectange Tool</source>
        <translation>Das Werkzeug für abgerundete Rechtecke wählen
Abgerundetes Rechteck</translation>
    </message>
    <message>
        <source>&amp;Ellipse</source>
        <translation>&amp;Ellipse</translation>
    </message>
    <message>
        <source>Choose ellipse, circle drawing tool
Ellipse, Circle Tool</source>
        <translation>Das Werkzeug für Ellipsen und Kreise wählen
Ellipse, Kreis</translation>
    </message>
    <message>
        <source>&amp;Polygon</source>
        <translation>&amp;Polygon</translation>
    </message>
    <message>
        <source>Choose the polygon drawing tool
Polygon Tool</source>
        <translation>Das Polygonwerkzeug wählen
Polygonwerkzeug</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation>&amp;Text</translation>
    </message>
    <message>
        <source>Choose the Text tool to draw a Text
Text Tool</source>
        <translation>Das Textwerkzeug wählen, um einen Text zu zeichnen
Textwerkzeug</translation>
    </message>
    <message>
        <source>&amp;Calendar</source>
        <translation>&amp;Kalender</translation>
    </message>
    <message>
        <source>Choose the Calendar Tool to Draw a Calendar Object
Calendar Tool</source>
        <translation>Das Kalenderwerkzeug wählen, um einen Kalender zu zeichnen
Kalenderwerkzeug</translation>
    </message>
    <message>
        <source>&amp;Image</source>
        <translation>&amp;Bild</translation>
    </message>
    <message>
        <source>Choose the Image Tool to Draw an Image Object
Image Tool</source>
        <translation>Das Bildwerkzeug wählen, um ein Bild zu zeichnen
Bildwerkzeug</translation>
    </message>
    <message>
        <source>&amp;Frame</source>
        <translation>Ra&amp;hmen</translation>
    </message>
    <message>
        <source>Choose this tool to draw a frame
Frame Tool</source>
        <translation>Dieses Werkzeug wählen, um einen Rahmen zu zeichnen
Rahmenwerkzeug</translation>
    </message>
    <message>
        <source>Pol&amp;yLine</source>
        <translation>&amp;Freihandlinie</translation>
    </message>
    <message>
        <source>Choose this tool to draw a free hand line (polyline)
Polyline Tool</source>
        <translation>Dieses Werkzeug wählen, um eine Freihandlinie zu zeichnen
Freihandlinie</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>Change the Selected Object&apos;s Properties
Properties</source>
        <translation>Die Eigenschaften des ausgewählten Objekts ändern
Eigenschaften</translation>
    </message>
    <message>
        <source>Align &amp;Top</source>
        <translation>&amp;Oben ausrichten</translation>
    </message>
    <message>
        <source>Align Selected Object - Top
Align Top</source>
        <translation>Ausgewählte Objekte oben ausrichten
Oben ausrichten</translation>
    </message>
    <message>
        <source>Align &amp;Bottom</source>
        <translation>&amp;Unten ausrichten</translation>
    </message>
    <message>
        <source>Align Selected Objects - Bottom
Align Bottom</source>
        <translation>Ausgewählte Objekte unten ausrichten
Unten ausrichten</translation>
    </message>
    <message>
        <source>Align &amp;Center</source>
        <translation>Horizontal &amp;zentrieren</translation>
    </message>
    <message>
        <source>Align Selected Objects - Center
Align Center</source>
        <translation>Ausgewählte Objekte horizontal zentrieren
Horizontal zentrieren</translation>
    </message>
    <message>
        <source>Align &amp;V Center</source>
        <translation>&amp;Vertikal zentrieren</translation>
    </message>
    <message>
        <source>Align Selected Objects - Center Vertically
Align Center Vertically</source>
        <translation>Ausgewählte Objekte vertikal zentrieren
Vertikal zentrieren</translation>
    </message>
    <message>
        <source>Align L&amp;eft</source>
        <translation>&amp;Links ausrichten</translation>
    </message>
    <message>
        <source>Align Selected Objects - Left
Align Left</source>
        <translation>Ausgewählte Objekte links ausrichten
Links ausrichten</translation>
    </message>
    <message>
        <source>Align Ri&amp;ght</source>
        <translation>&amp;Rechts ausrichten</translation>
    </message>
    <message>
        <source>Align Selected Objects - Right
Align Right</source>
        <translation>Ausgewählte Objekte rechts ausrichten
Rechts ausrichten</translation>
    </message>
    <message>
        <source>Same &amp;Width</source>
        <translation>Gleiche &amp;Breite</translation>
    </message>
    <message>
        <source>Make width of selected objects same
Same Width</source>
        <translation>Ausgewählten Objekten die gleiche Breite geben
Gleiche Breite</translation>
    </message>
    <message>
        <source>Same &amp;Height</source>
        <translation>Gleiche &amp;Höhe</translation>
    </message>
    <message>
        <source>Make height of selected objects same
Same Height</source>
        <translation>Ausgewählten Objekten die gleiche Höhe geben
Gleiche Höhe</translation>
    </message>
    <message>
        <source>&amp;Same Height, Width</source>
        <translation>&amp;Gleiche Höhe und Breite</translation>
    </message>
    <message>
        <source>Make width, height of selected objects same
Same Width, Height</source>
        <translation>Ausgewählten Objekten die gleiche Breite und Höhe geben
Gleiche Höhe und Breite</translation>
    </message>
    <message>
        <source>Space &amp;Across</source>
        <translation>&amp;Nebeneinander verteilen</translation>
    </message>
    <message>
        <source>Equally Space Objects Horizontally (Select Objects from Right to Left for correct results)
Equally Space Across</source>
        <translation>Objekte waagrecht gleichmäßig verteilen (Objekte von rechts nach links auswählen)
Nebeneinander verteilen</translation>
    </message>
    <message>
        <source>Space &amp;Down</source>
        <translation>Unterein&amp;ander verteilen</translation>
    </message>
    <message>
        <source>Equally Space Objects Down/Vertically (Select Objects from Top to Bottom for correct results)
Equally Space Down</source>
        <translation>Objekte senkrecht gleichmäßig verteilen (Objekte von oben nach unten auswählen)
Untereinander verteilen</translation>
    </message>
    <message>
        <source>Move To Front	Ctrl+Plus</source>
        <translation>In den Vordergrund	Strg+Plus</translation>
    </message>
    <message>
        <source>Move object to front of drawing</source>
        <translation>Das Objekt ganz nach vorne bringen</translation>
    </message>
    <message>
        <source>Move To Back	Ctrl+Minus</source>
        <translation>In den Hintergrund	Strg+Minus</translation>
    </message>
    <message>
        <source>Move object to back of drawing</source>
        <translation>Das Objekt ganz nach hinten stellen</translation>
    </message>
    <message>
        <source>Move Forward	Plus</source>
        <translation>Eine Ebene nach vorne	Plus</translation>
    </message>
    <message>
        <source>Move object to next position in z-order</source>
        <translation>Das Objekt eine Ebene nach vorne bringen</translation>
    </message>
    <message>
        <source>Move Back	Minus</source>
        <translation>Eine Ebene nach hinten	Minus</translation>
    </message>
    <message>
        <source>Move object to previous position in z-order</source>
        <translation>Das Objekt eine Ebene nach hinten stellen</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Neues Fenster</translation>
    </message>
    <message>
        <source>Open another window for the active document
New Window</source>
        <translation>Ein weiteres Fenster für das aktive Dokument öffnen
Neues Fenster</translation>
    </message>
    <message>
        <source>S&amp;plit</source>
        <translation>&amp;Teilen</translation>
    </message>
    <message>
        <source>Split the active window into panes
Split</source>
        <translation>Das aktive Fenster in Bereiche teilen
Teilen</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Überlappend</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap
Cascade Windows</source>
        <translation>Die Fenster überlappend anordnen
Überlappend</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Untereinander</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles
Tile Windows</source>
        <translation>Die Fenster ohne Überlappung anordnen
Untereinander</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>Symbole &amp;anordnen</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window
Arrange Icons</source>
        <translation>Die Symbole am unteren Fensterrand anordnen
Symbole anordnen</translation>
    </message>
    <message>
        <source>Ti&amp;p of the Day...</source>
        <translation>&amp;Tipp des Tages...</translation>
    </message>
    <message>
        <source>Display a tip of the day
Tip of the Day</source>
        <translation>Einen Tipp des Tages anzeigen
Tipp des Tages</translation>
    </message>
    <message>
        <source>&amp;Help Topics	F1</source>
        <translation>&amp;Hilfethemen	F1</translation>
    </message>
    <message>
        <source>List Help topics
Help Topics</source>
        <translation>Die Hilfethemen anzeigen
Hilfethemen</translation>
    </message>
    <message>
        <source>&amp;About Mondrel...</source>
        <translation>Ü&amp;ber Mondrel...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen
Über</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Zeichnen</translation>
    </message>
    <message>
        <source>&amp;Object</source>
        <translation>&amp;Objekt</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;New Page</source>
        <translation>&amp;Neue Seite</translation>
    </message>
    <message>
        <source>Add an empty page after the current page
New Page</source>
        <translation>Eine leere Seite nach der aktuellen Seite einfügen
Neue Seite</translation>
    </message>
    <message>
        <source>&amp;Duplicate Page</source>
        <translation>Seite &amp;duplizieren</translation>
    </message>
    <message>
        <source>Add a copy of the current page after it
Duplicate Page</source>
        <translation>Eine Kopie der aktuellen Seite dahinter einfügen
Seite duplizieren</translation>
    </message>
    <message>
        <source>De&amp;lete Page</source>
        <translation>Seite &amp;löschen</translation>
    </message>
    <message>
        <source>Delete the current page and its objects
Delete Page</source>
        <translation>Die aktuelle Seite mit ihren Objekten löschen
Seite löschen</translation>
    </message>
    <message>
        <source>Move Page &amp;Earlier</source>
        <translation>Seite nach &amp;vorne verschieben</translation>
    </message>
    <message>
        <source>Move the current page one place towards the front
Move Page Earlier</source>
        <translation>Die aktuelle Seite um eine Stelle nach vorne verschieben
Seite nach vorne</translation>
    </message>
    <message>
        <source>Move Page &amp;Later</source>
        <translation>Seite nach &amp;hinten verschieben</translation>
    </message>
    <message>
        <source>Move the current page one place towards the back
Move Page Later</source>
        <translation>Die aktuelle Seite um eine Stelle nach hinten verschieben
Seite nach hinten</translation>
    </message>
    <message>
        <source>Ne&amp;xt Page	Ctrl+PgDown</source>
        <translation>Nä&amp;chste Seite	Strg+Bild ab</translation>
    </message>
    <message>
        <source>Show the next page
Next Page</source>
        <translation>Die nächste Seite zeigen
Nächste Seite</translation>
    </message>
    <message>
        <source>&amp;Previous Page	Ctrl+PgUp</source>
        <translation>Vo&amp;rherige Seite	Strg+Bild auf</translation>
    </message>
    <message>
        <source>Show the previous page
Previous Page</source>
        <translation>Die vorherige Seite zeigen
Vorherige Seite</translation>
    </message>
    <message>
        <source>&amp;Page</source>
        <translation>&amp;Seite</translation>
    </message>
    <message>
        <source>Page St&amp;rip</source>
        <translation>Seitenl&amp;eiste</translation>
    </message>
    <message>
        <source>Show or hide the pictures of the pages
Toggle Page Strip</source>
        <translation>Die Bilder der Seiten ein- oder ausblenden
Seitenleiste ein/aus</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Photo calendars, designed by you</source>
        <translation>Fotokalender, von Ihnen gestaltet</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>CBImgDlg</name>
    <message>
        <source>Yes, Draw Background Image</source>
        <translation>Ja, ein Hintergrundbild zeichnen</translation>
    </message>
    <message>
        <source>Draw Background Image</source>
        <translation>Hintergrundbild zeichnen</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Placed in Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Tiled</source>
        <translation>Gekachelt</translation>
    </message>
    <message>
        <source>Stretch to Fit Page</source>
        <translation>Auf Seitengröße strecken</translation>
    </message>
    <message>
        <source>Image File</source>
        <translation>Bilddatei</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bild...</translation>
    </message>
    <message>
        <source>Image File:</source>
        <translation>Bilddatei:</translation>
    </message>
    <message>
        <source>Select Background Image File</source>
        <translation>Hintergrundbild auswählen</translation>
    </message>
</context>
<context>
    <name>CBatchCommand</name>
    <message>
        <source>Usage:
  mondrel [FILE.mdr ...]    open the documents in the designer&apos;s window (a new page
                            when none is given)
  mondrel --new [options] [--save FILE.mdr] [--export FILE.jpg|FILE.bmp|FILE.pdf] [--resolution DPI]
  mondrel --export FILE.jpg|FILE.bmp|FILE.pdf [--page N] [--resolution DPI] DOCUMENT.mdr
  mondrel --make-sample-photo FILE.jpg
  mondrel --help | --version
</source>
        <translation>Aufruf:
  mondrel [DATEI.mdr ...]   die Dokumente im Fenster des Designers öffnen (eine neue
                            Seite, wenn keines angegeben ist)
  mondrel --new [Optionen] [--save DATEI.mdr] [--export DATEI.jpg|DATEI.bmp|DATEI.pdf] [--resolution DPI]
  mondrel --export DATEI.jpg|DATEI.bmp|DATEI.pdf [--page N] [--resolution DPI] DOKUMENT.mdr
  mondrel --make-sample-photo DATEI.jpg
  mondrel --help | --version
</translation>
    </message>
    <message>
        <source>Making a calendar (--new), as the New Calendar Wizard does:
  --photo FILE              the photo (BMP, GIF, JPEG, PNG, ICO, TIFF, TGA or PCX); with
                            --page-per-month give it once per page, in order
  --page-per-month          a wall calendar: a page for each month with its own photo
                            (the photos cycle when there are fewer than months)
  --cover                   with --page-per-month: a cover first, the first photo large
                            and the year as its title
  --months N                number of months, 0-240 (default 1)
  --first-month 1-12        the first month (default: this month)
  --year Y                  the year of the first month, %1 (default: this year)
  --layout 0-7              0 image above months, 1 months over the image,
                            2 months left and bottom, 3 right and bottom,
                            4 top and bottom, 5 all sides, 6 top and right,
                            7 top and left (default 0)
  --background linear|radial|solid     page background (default linear)
  --direction horizontal|vertical      linear gradient direction (default vertical)
  --from-color RRGGBB       solid colour or gradient start (default FFFFFF)
  --to-color RRGGBB         gradient end (default 77ECFF)
  --background-image FILE   draw a picture on the page background
  --placement center|tiled  how the background picture is placed (default tiled)
  --stretch                 stretch the background picture to the page
  --frame THICKNESS         add a frame of this band thickness (%2, 0.01 inch)
  --holidays FILE.ics       mark the events of an iCalendar file (holidays, birthdays) as special
                            days of every calendar; give it again for more files
  --holiday-names           also write each event&apos;s name under its day number
  --holiday-region CODE     mark the public holidays of a country or state (DE, DE-BY, US ...);
                            give it again for more regions
  --list-holiday-regions    print the region codes and names
  --week-numbers iso|us     draw week numbers beside the weeks (ISO 8601, or weeks from Sunday
                            with week 1 holding 1 January)
</source>
        <translation>Einen Kalender anlegen (--new), wie es der Assistent für neue Kalender tut:
  --photo DATEI             das Foto (BMP, GIF, JPEG, PNG, ICO, TIFF, TGA oder PCX); mit
                            --page-per-month einmal je Seite, in ihrer Reihenfolge
  --page-per-month          ein Wandkalender: eine Seite für jeden Monat mit eigenem Foto
                            (die Fotos wiederholen sich, wenn es weniger als Monate sind)
  --cover                   mit --page-per-month: zuerst ein Titelblatt, das erste Foto groß
                            und das Jahr als Titel
  --months N                Anzahl der Monate, 0-240 (Vorgabe 1)
  --first-month 1-12        der erste Monat (Vorgabe: dieser Monat)
  --year J                  das Jahr des ersten Monats, %1 (Vorgabe: dieses Jahr)
  --layout 0-7              0 Bild über den Monaten, 1 Monate über dem Bild,
                            2 Monate links und unten, 3 rechts und unten,
                            4 oben und unten, 5 ringsum, 6 oben und rechts,
                            7 oben und links (Vorgabe 0)
  --background linear|radial|solid     Seitenhintergrund (Vorgabe linear)
  --direction horizontal|vertical      Richtung des linearen Verlaufs (Vorgabe vertical)
  --from-color RRGGBB       Vollfarbe oder Anfang des Verlaufs (Vorgabe FFFFFF)
  --to-color RRGGBB         Ende des Verlaufs (Vorgabe 77ECFF)
  --background-image DATEI  ein Bild auf den Seitenhintergrund zeichnen
  --placement center|tiled  wie das Hintergrundbild liegt (Vorgabe tiled: gekachelt)
  --stretch                 das Hintergrundbild auf die Seite strecken
  --frame STÄRKE            einen Rahmen dieser Bandstärke hinzufügen (%2, 0,01 Zoll)
  --holidays DATEI.ics      die Termine einer iCalendar-Datei (Feiertage, Geburtstage) als
                            besondere Tage jedes Kalenders markieren; für weitere Dateien
                            erneut angeben
  --holiday-names           auch den Namen jedes Termins unter seine Tageszahl schreiben
  --holiday-region CODE     die gesetzlichen Feiertage eines Landes oder Bundeslandes markieren
                            (DE, DE-BY, US ...); für weitere Regionen erneut angeben
  --list-holiday-regions    die Regionscodes und ihre Namen ausgeben
  --week-numbers iso|us     Kalenderwochen neben die Wochen schreiben (ISO 8601, oder Wochen ab
                            Sonntag, deren erste den 1. Januar enthält)
</translation>
    </message>
    <message>
        <source>Output:
  --save FILE.mdr           save the calendar document
  --export FILE             save the page as a picture (jpg or bmp) or as a PDF (pdf); a PDF
                            holds every page, pictures of several pages are written as
                            FILE-01.jpg, FILE-02.jpg ...
  --page N                  export page N alone (as FILE itself)
  --resolution DPI          picture resolution, 10-600 (default 100: one pixel per 0.01 inch)
  --make-sample-photo FILE  draw a landscape photo of our own as JPEG
</source>
        <translation>Ausgabe:
  --save DATEI.mdr          das Kalenderdokument speichern
  --export DATEI            die Seite als Bild (jpg oder bmp) oder als PDF (pdf) speichern; ein PDF
                            enthält jede Seite, Bilder mehrerer Seiten heißen
                            DATEI-01.jpg, DATEI-02.jpg ...
  --page N                  nur Seite N ausgeben (als DATEI selbst)
  --resolution DPI          Bildauflösung, 10-600 (Vorgabe 100: ein Pixel je 0,01 Zoll)
  --make-sample-photo DATEI ein eigenes Landschaftsfoto als JPEG zeichnen
</translation>
    </message>
</context>
<context>
    <name>CBckClrDlg</name>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Fill Type</source>
        <translation>Füllart</translation>
    </message>
    <message>
        <source>Linear Gradient</source>
        <translation>Linearer Verlauf</translation>
    </message>
    <message>
        <source>Radial Gradient</source>
        <translation>Radialer Verlauf</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Einfarbig</translation>
    </message>
    <message>
        <source>Linear Gradient Type</source>
        <translation>Richtung des linearen Verlaufs</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Waagrecht</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Senkrecht</translation>
    </message>
    <message>
        <source>From Color</source>
        <translation>Von Farbe</translation>
    </message>
    <message>
        <source>To Color</source>
        <translation>Bis Farbe</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
</context>
<context>
    <name>CCalDWText</name>
    <message>
        <source>Days of Week Header</source>
        <translation>Wochentagskopf</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>M, T..</source>
        <translation>M, D..</translation>
    </message>
    <message>
        <source>Mon, Tue...</source>
        <translation>Mo, Di...</translation>
    </message>
    <message>
        <source>MON, TUE...</source>
        <translation>MO, DI...</translation>
    </message>
    <message>
        <source>Monday....</source>
        <translation>Montag....</translation>
    </message>
    <message>
        <source>Height (as % of total Height)
will be used to calculate Width
for Horizontal Layout</source>
        <translation>Höhe (in % der Gesamthöhe),
bestimmt im waagrechten Layout
auch die Breite</translation>
    </message>
</context>
<context>
    <name>CCalDaysText</name>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>&amp;Week Numbers</source>
        <translation>&amp;Kalenderwochen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>ISO 8601 (weeks start on Monday)</source>
        <translation>ISO 8601 (Wochen beginnen am Montag)</translation>
    </message>
    <message>
        <source>US (weeks start on Sunday, week 1 holds 1 January)</source>
        <translation>USA (Wochen beginnen am Sonntag, Woche 1 enthält den 1. Januar)</translation>
    </message>
    <message>
        <source>Week numbers are drawn only in the Vertical and Horizontal layouts.</source>
        <translation>Kalenderwochen erscheinen nur im senkrechten und im waagrechten Layout.</translation>
    </message>
</context>
<context>
    <name>CCalGenProp</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Calendar Month</source>
        <translation>Kalendermonat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>First Day of Week</source>
        <translation>Erster Wochentag</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Rand</translation>
    </message>
    <message>
        <source>Draw 3D Border</source>
        <translation>3D-Rand zeichnen</translation>
    </message>
    <message>
        <source>Draw Border</source>
        <translation>Rand zeichnen</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Gitter</translation>
    </message>
    <message>
        <source>Draw Grid</source>
        <translation>Gitter zeichnen</translation>
    </message>
    <message>
        <source>Grid Line Color</source>
        <translation>Gitterlinienfarbe</translation>
    </message>
    <message>
        <source>Grid Line Type</source>
        <translation>Gitterlinienart</translation>
    </message>
    <message>
        <source>Grid Line Thickness</source>
        <translation>Gitterlinienstärke</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Senkrecht</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Waagrecht</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Mountain</source>
        <translation>Berg</translation>
    </message>
    <message>
        <source>Apply these properties to ALL Calendar objects</source>
        <translation>Diese Eigenschaften auf ALLE Kalenderobjekte anwenden</translation>
    </message>
</context>
<context>
    <name>CCalHText</name>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Draw Line Under Header</source>
        <translation>Linie unter dem Kopf zeichnen</translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation>Linienfarbe</translation>
    </message>
    <message>
        <source>Line Thickness</source>
        <translation>Linienstärke</translation>
    </message>
    <message>
        <source>Do not draw Header</source>
        <translation>Kopf nicht zeichnen</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Kopf</translation>
    </message>
    <message>
        <source>Header Text</source>
        <translation>Kopftext</translation>
    </message>
    <message>
        <source>Height (as % of total Height)
will be used to calculate Width
for Horizontal Layout</source>
        <translation>Höhe (in % der Gesamthöhe),
bestimmt im waagrechten Layout
auch die Breite</translation>
    </message>
</context>
<context>
    <name>CCalPText</name>
    <message>
        <source>Text Properties</source>
        <translation>Texteigenschaften</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Drehung</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Use 3D Fonts</source>
        <translation>3D-Schrift verwenden</translation>
    </message>
    <message>
        <source>3D Text</source>
        <translation>3D-Text</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Massiv</translation>
    </message>
    <message>
        <source>WireFrame</source>
        <translation>Drahtgitter</translation>
    </message>
    <message>
        <source>Light Source 1</source>
        <translation>Lichtquelle 1</translation>
    </message>
</context>
<context>
    <name>CCalSPText</name>
    <message>
        <source>Special Days (Holidays)</source>
        <translation>Besondere Tage (Feiertage)</translation>
    </message>
    <message>
        <source>Mark as Special</source>
        <translation>Hervorheben</translation>
    </message>
    <message>
        <source>All Saturdays</source>
        <translation>Alle Samstage</translation>
    </message>
    <message>
        <source>All Sundays</source>
        <translation>Alle Sonntage</translation>
    </message>
    <message>
        <source>All Mondays</source>
        <translation>Alle Montage</translation>
    </message>
    <message>
        <source>All Tuesdays</source>
        <translation>Alle Dienstage</translation>
    </message>
    <message>
        <source>All Wednesdays</source>
        <translation>Alle Mittwoche</translation>
    </message>
    <message>
        <source>All Thursdays</source>
        <translation>Alle Donnerstage</translation>
    </message>
    <message>
        <source>All Fridays</source>
        <translation>Alle Freitage</translation>
    </message>
    <message>
        <source>Other Dates (Between 1 &amp;&amp; 31 Seperated by Comma+Space)</source>
        <translation>Weitere Tage (1 bis 31, getrennt durch Komma und Leerzeichen)</translation>
    </message>
    <message>
        <source>Public Holidays, and Holidays and Birthdays from iCalendar Files (.ics)</source>
        <translation>Gesetzliche Feiertage sowie Feiertage und Geburtstage aus iCalendar-Dateien (.ics)</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Hinzufügen...</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Write the event names under the day numbers</source>
        <translation>Die Namen der Termine unter die Tageszahlen schreiben</translation>
    </message>
    <message>
        <source>Public &amp;holidays of</source>
        <translation>Gesetzliche &amp;Feiertage von</translation>
    </message>
    <message>
        <source>Add Re&amp;gion</source>
        <translation>&amp;Region hinzufügen</translation>
    </message>
    <message>
        <source>Add Holiday File</source>
        <translation>Feiertagsdatei hinzufügen</translation>
    </message>
    <message>
        <source>iCalendar Files (*.ics)|*.ics|All Files (*.*)|*.*||</source>
        <translation>iCalendar-Dateien (*.ics)|*.ics|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>The file %1 is in the list already.</source>
        <translation>Die Datei %1 steht schon in der Liste.</translation>
    </message>
    <message>
        <source>The public holidays of %1 are in the list already.</source>
        <translation>Die gesetzlichen Feiertage von %1 stehen schon in der Liste.</translation>
    </message>
    <message>
        <source>The holiday files were not read again.</source>
        <translation>Die Feiertagsdateien wurden nicht neu gelesen.</translation>
    </message>
    <message>
        <source>
The days read before are kept.</source>
        <translation>
Die zuvor gelesenen Tage bleiben erhalten.</translation>
    </message>
    <message>
        <source>Public holidays (%1)</source>
        <translation>Gesetzliche Feiertage (%1)</translation>
    </message>
    <message>
        <source>Other Dates must be whole numbers between 1 and 31, separated by commas (for example: 1, 15, 25).</source>
        <translation>Weitere Tage müssen ganze Zahlen von 1 bis 31 sein, getrennt durch Kommas (zum Beispiel: 1, 15, 25).</translation>
    </message>
</context>
<context>
    <name>CCalTextPage</name>
    <message>
        <source>Center - &amp;Center</source>
        <translation>Mitte - &amp;Mitte</translation>
    </message>
    <message>
        <source>Center - &amp;Left</source>
        <translation>Mitte - &amp;Links</translation>
    </message>
    <message>
        <source>Center - &amp;Right</source>
        <translation>Mitte - &amp;Rechts</translation>
    </message>
    <message>
        <source>Top - Center</source>
        <translation>Oben - Mitte</translation>
    </message>
    <message>
        <source>Top - Left</source>
        <translation>Oben - Links</translation>
    </message>
    <message>
        <source>Top - Right</source>
        <translation>Oben - Rechts</translation>
    </message>
    <message>
        <source>Bottom - Center</source>
        <translation>Unten - Mitte</translation>
    </message>
    <message>
        <source>Bottom - Left</source>
        <translation>Unten - Links</translation>
    </message>
    <message>
        <source>Bottom - Right</source>
        <translation>Unten - Rechts</translation>
    </message>
    <message>
        <source>Cli&amp;p Text to Boundary</source>
        <translation>Text am Rand &amp;abschneiden</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Transparent Background</source>
        <translation>Transparenter Hintergrund</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Line Type</source>
        <translation>Linienart</translation>
    </message>
    <message>
        <source>2D Text Alignment/Rotation</source>
        <translation>2D-Textausrichtung/Drehung</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Bottom  - Right</source>
        <translation>Unten  - Rechts</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Rand</translation>
    </message>
    <message>
        <source>Draw Border</source>
        <translation>Rand zeichnen</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Randfarbe</translation>
    </message>
    <message>
        <source>Border Line Thickness</source>
        <translation>Randstärke</translation>
    </message>
</context>
<context>
    <name>CCalendarSheet</name>
    <message>
        <source>Calendar Properties</source>
        <translation>Kalendereigenschaften</translation>
    </message>
</context>
<context>
    <name>CCompletion</name>
    <message>
        <source>Click Finish to start installation, Click on Cancel to Abort and Exit setup.</source>
        <translation>Klicken Sie auf Fertig stellen, um die Installation zu beginnen, oder auf Abbrechen, um das Setup zu beenden.</translation>
    </message>
    <message>
        <source>Refer to Readme.TXT for further details.</source>
        <translation>Weitere Einzelheiten finden Sie in Readme.TXT.</translation>
    </message>
    <message>
        <source>Sorry ! No Help Available for Setup in this version.</source>
        <translation>Leider gibt es in dieser Version keine Hilfe zum Setup.</translation>
    </message>
    <message>
        <source>Mondrel New Calendar Wizard</source>
        <translation>Mondrel-Assistent für neue Kalender</translation>
    </message>
    <message>
        <source>The wizard is ready to make your calendar with these choices. Press Finish to make it, or Back to change them.</source>
        <translation>Der Assistent kann Ihren Kalender jetzt mit diesen Einstellungen anlegen. Klicken Sie auf Fertigstellen, um ihn anzulegen, oder auf Zurück, um etwas zu ändern.</translation>
    </message>
    <message>
        <source>Image File:</source>
        <translation>Bilddatei:</translation>
    </message>
    <message>
        <source>Number of Months:</source>
        <translation>Anzahl der Monate:</translation>
    </message>
    <message>
        <source>First Month:</source>
        <translation>Erster Monat:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Jahr:</translation>
    </message>
    <message>
        <source>Holidays and birthdays can come from a calendar file (.ics) that your calendar program exports; their days are marked on every month.</source>
        <translation>Feiertage und Geburtstage können aus einer Kalenderdatei (.ics) kommen, die Ihr Kalenderprogramm exportiert; ihre Tage werden in jedem Monat hervorgehoben.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>&amp;Holiday File...</source>
        <translation>&amp;Feiertagsdatei...</translation>
    </message>
    <message>
        <source>&amp;No File</source>
        <translation>&amp;Keine Datei</translation>
    </message>
    <message>
        <source>&amp;Public holidays of</source>
        <translation>&amp;Gesetzliche Feiertage von</translation>
    </message>
    <message>
        <source>Select Holiday File</source>
        <translation>Feiertagsdatei auswählen</translation>
    </message>
    <message>
        <source>iCalendar Files (*.ics)|*.ics|All Files (*.*)|*.*||</source>
        <translation>iCalendar-Dateien (*.ics)|*.ics|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>There is no Image File to use.</source>
        <translation>Es wird keine Bilddatei verwendet.</translation>
    </message>
    <message numerus="yes">
        <source>(always so many in the arrangement chosen; %n asked for)</source>
        <translation>
            <numerusform>(immer so viele in der gewählten Anordnung; %n gewünscht)</numerusform>
            <numerusform>(immer so viele in der gewählten Anordnung; %n gewünscht)</numerusform>
        </translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Seiten:</translation>
    </message>
    <message numerus="yes">
        <source>%n photos, one for each month in the order chosen</source>
        <translation>
            <numerusform>%n Foto für alle Monate</numerusform>
            <numerusform>%n Fotos, eines für jeden Monat in der gewählten Reihenfolge</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: a cover and a page for each month</source>
        <translation>%1: eine Titelseite und eine Seite für jeden Monat</translation>
    </message>
    <message>
        <source>%1: a page for each month</source>
        <translation>%1: eine Seite für jeden Monat</translation>
    </message>
</context>
<context>
    <name>CDesignDocument</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Es ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>You do not have permission to read it.</source>
        <translation>Sie haben keine Berechtigung, sie zu lesen.</translation>
    </message>
    <message>
        <source>It is not a Mondrel calendar document.</source>
        <translation>Es ist kein Mondrel-Kalenderdokument.</translation>
    </message>
    <message>
        <source>Calendar%1</source>
        <translation>Kalender%1</translation>
    </message>
    <message>
        <source>The document is damaged, or it was written in a form this version cannot read.</source>
        <translation>Das Dokument ist beschädigt oder in einer Form geschrieben, die diese Version nicht lesen kann.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>Der Ordner „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>You do not have permission to write in the folder &quot;%1&quot;.</source>
        <translation>Sie haben keine Berechtigung, in den Ordner „%1“ zu schreiben.</translation>
    </message>
    <message>
        <source>The document could not be written (%1).</source>
        <translation>Das Dokument konnte nicht geschrieben werden (%1).</translation>
    </message>
</context>
<context>
    <name>CDesktopIntegration</name>
    <message>
        <source>The setup folder does not hold %1.</source>
        <translation>Der Setup-Ordner enthält %1 nicht.</translation>
    </message>
    <message>
        <source>Could not create folder:</source>
        <translation>Der Ordner konnte nicht angelegt werden:</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 could not refresh its database</source>
        <translation>%1 konnte seine Datenbank nicht auffrischen</translation>
    </message>
    <message>
        <source>The menu entry belongs to another installation of Mondrel; it is kept.</source>
        <translation>Der Menüeintrag gehört zu einer anderen Installation von Mondrel; er bleibt erhalten.</translation>
    </message>
</context>
<context>
    <name>CEditTool</name>
    <message>
        <source>Resize</source>
        <translation>Größe ändern</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Zeichnen</translation>
    </message>
    <message>
        <source>Draw Line</source>
        <translation>Linie zeichnen</translation>
    </message>
    <message>
        <source>Draw Rectangle</source>
        <translation>Rechteck zeichnen</translation>
    </message>
    <message>
        <source>Draw Round Rectangle</source>
        <translation>Abgerundetes Rechteck zeichnen</translation>
    </message>
    <message>
        <source>Draw Ellipse</source>
        <translation>Ellipse zeichnen</translation>
    </message>
    <message>
        <source>Draw Polygon</source>
        <translation>Polygon zeichnen</translation>
    </message>
    <message>
        <source>Draw Text</source>
        <translation>Text zeichnen</translation>
    </message>
    <message>
        <source>Draw Calendar</source>
        <translation>Kalender zeichnen</translation>
    </message>
    <message>
        <source>Draw Image</source>
        <translation>Bild zeichnen</translation>
    </message>
    <message>
        <source>Draw Frame</source>
        <translation>Rahmen zeichnen</translation>
    </message>
    <message>
        <source>Draw Polyline</source>
        <translation>Freihandlinie zeichnen</translation>
    </message>
</context>
<context>
    <name>CEditor</name>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
</context>
<context>
    <name>CEditorP</name>
    <message>
        <source>Light Source Position</source>
        <translation>Position der Lichtquelle</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
</context>
<context>
    <name>CEditorR</name>
    <message>
        <source>Rotation</source>
        <translation>Drehung</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
</context>
<context>
    <name>CEditorS</name>
    <message>
        <source>Scale</source>
        <translation>Skalierung</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
</context>
<context>
    <name>CEditorT</name>
    <message>
        <source>Text To Display</source>
        <translation>Anzuzeigender Text</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Massiv</translation>
    </message>
    <message>
        <source>Wireframe</source>
        <translation>Drahtgitter</translation>
    </message>
    <message>
        <source>Display String</source>
        <translation>Anzeigetext</translation>
    </message>
</context>
<context>
    <name>CFramePropPage</name>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Frame Outline</source>
        <translation>Rahmenumriss</translation>
    </message>
    <message>
        <source>Draw Outline</source>
        <translation>Umriss zeichnen</translation>
    </message>
    <message>
        <source>Outline Color</source>
        <translation>Umrissfarbe</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>Outline Line Type</source>
        <translation>Linienart des Umrisses</translation>
    </message>
    <message>
        <source>Type of Frame</source>
        <translation>Art des Rahmens</translation>
    </message>
    <message>
        <source>Fill using Image as pattern</source>
        <translation>Mit einem Bild als Muster füllen</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Einfarbig</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Muster</translation>
    </message>
    <message>
        <source>Frame Thickness</source>
        <translation>Rahmenbreite</translation>
    </message>
    <message>
        <source>Pattern Image</source>
        <translation>Musterbild</translation>
    </message>
    <message>
        <source>Select Pattern Filling Image File</source>
        <translation>Bilddatei für die Musterfüllung auswählen</translation>
    </message>
</context>
<context>
    <name>CFrameSheet</name>
    <message>
        <source>Frame</source>
        <translation>Rahmen</translation>
    </message>
</context>
<context>
    <name>CGenericPropPage</name>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Rand</translation>
    </message>
    <message>
        <source>Draw Border</source>
        <translation>Rand zeichnen</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Randfarbe</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>Border Line Type</source>
        <translation>Linienart des Randes</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllung</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
</context>
<context>
    <name>CGenericSheet</name>
    <message>
        <source>Generic Drawing Object</source>
        <translation>Zeichenobjekt</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Getting started</source>
        <translation>Erste Schritte</translation>
    </message>
    <message>
        <source>New Calendar Wizard</source>
        <translation>Assistent für neue Kalender</translation>
    </message>
    <message>
        <source>Drawing tools</source>
        <translation>Zeichenwerkzeuge</translation>
    </message>
    <message>
        <source>Selecting, moving, resizing</source>
        <translation>Auswählen, verschieben, Größe ändern</translation>
    </message>
    <message>
        <source>Arranging objects</source>
        <translation>Objekte anordnen</translation>
    </message>
    <message>
        <source>Property sheets</source>
        <translation>Eigenschaftsfenster</translation>
    </message>
    <message>
        <source>Calendar properties</source>
        <translation>Kalendereigenschaften</translation>
    </message>
    <message>
        <source>Text properties</source>
        <translation>Texteigenschaften</translation>
    </message>
    <message>
        <source>3D text</source>
        <translation>3D-Text</translation>
    </message>
    <message>
        <source>Image properties</source>
        <translation>Bildeigenschaften</translation>
    </message>
    <message>
        <source>Frame properties</source>
        <translation>Rahmeneigenschaften</translation>
    </message>
    <message>
        <source>Page background</source>
        <translation>Seitenhintergrund</translation>
    </message>
    <message>
        <source>Mondrel options</source>
        <translation>Mondrel-Optionen</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Undo and redo</source>
        <translation>Rückgängig und wiederherstellen</translation>
    </message>
    <message>
        <source>Export as picture or PDF</source>
        <translation>Als Bild oder PDF exportieren</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Crash recovery</source>
        <translation>Wiederherstellung nach Absturz</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;h1&gt;Page not found&lt;/h1&gt;&lt;p&gt;The help page &lt;b&gt;%1&lt;/b&gt; is not installed. The help pages live in the &lt;code&gt;help&lt;/code&gt; folder of Mondrel&apos;s data folder.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;index.html&quot;&gt;Back to the contents&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;h1&gt;Seite nicht gefunden&lt;/h1&gt;&lt;p&gt;Die Hilfeseite &lt;b&gt;%1&lt;/b&gt; ist nicht installiert. Die Hilfeseiten liegen im Ordner &lt;code&gt;help&lt;/code&gt; des Datenordners von Mondrel.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;index.html&quot;&gt;Zurück zum Inhalt&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Mondrel Help</source>
        <translation>Mondrel-Hilfe</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Mondrel Help - </source>
        <translation>Mondrel-Hilfe - </translation>
    </message>
</context>
<context>
    <name>CHistorySink</name>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
</context>
<context>
    <name>CImagePropPage</name>
    <message>
        <source>Image Properties</source>
        <translation>Bildeigenschaften</translation>
    </message>
    <message>
        <source>Image File Name</source>
        <translation>Name der Bilddatei</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Select Image Transparent Color</source>
        <translation>Transparente Farbe des Bildes wählen</translation>
    </message>
    <message>
        <source>Draw Opaque</source>
        <translation>Deckend zeichnen</translation>
    </message>
    <message>
        <source>Draw same size as original Image/Photo</source>
        <translation>In der Originalgröße des Bildes/Fotos zeichnen</translation>
    </message>
    <message>
        <source>Draw as Texture on a 3D Object</source>
        <translation>Als Textur auf einem 3D-Objekt zeichnen</translation>
    </message>
    <message>
        <source>Adjust height or width to preserve aspect ratio</source>
        <translation>Höhe oder Breite anpassen, um das Seitenverhältnis zu erhalten</translation>
    </message>
    <message>
        <source>Click the picture to choose its transparent colour</source>
        <translation>Klicken Sie in das Bild, um seine transparente Farbe zu wählen</translation>
    </message>
    <message>
        <source>Select Image File</source>
        <translation>Bilddatei auswählen</translation>
    </message>
</context>
<context>
    <name>CImageSheet</name>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
</context>
<context>
    <name>CInstaller</name>
    <message>
        <source>the setting &quot;DestinationPath&quot;</source>
        <translation>die Einstellung &quot;DestinationPath&quot;</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be written.</source>
        <translation>Die Einstellungsdatei %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>the menu entry and the file type</source>
        <translation>den Menüeintrag und den Dateityp</translation>
    </message>
    <message>
        <source>The folder %1 does not exist, and no menu entry, file type or setting names it.</source>
        <translation>Den Ordner %1 gibt es nicht, und kein Menüeintrag, Dateityp oder keine Einstellung nennt ihn.</translation>
    </message>
    <message>
        <source>The destination must be a full path.</source>
        <translation>Das Ziel muss ein vollständiger Pfad sein.</translation>
    </message>
    <message>
        <source>the file name %1 is the installation&apos;s own</source>
        <translation>der Dateiname %1 gehört der Installation selbst</translation>
    </message>
    <message>
        <source>the setup folder does not hold %1 (%2)</source>
        <translation>der Setup-Ordner enthält %1 nicht (%2)</translation>
    </message>
    <message>
        <source>Cannot change to the folder %1: %2</source>
        <translation>Wechsel in den Ordner %1 nicht möglich: %2</translation>
    </message>
    <message>
        <source>%1 in the destination is newer than the setup folder&apos;s; it is kept.</source>
        <translation>%1 im Ziel ist neuer als die Datei des Setup-Ordners; sie bleibt erhalten.</translation>
    </message>
    <message>
        <source>%1 holds no installation of Mondrel (there is no %2).</source>
        <translation>%1 enthält keine Installation von Mondrel (es gibt kein %2).</translation>
    </message>
    <message>
        <source>Changed since the installation, so kept: %1</source>
        <translation>Seit der Installation geändert und darum erhalten: %1</translation>
    </message>
</context>
<context>
    <name>CIntField</name>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein.</translation>
    </message>
</context>
<context>
    <name>CInterior1</name>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>Mondrel New Calendar Wizard</source>
        <translation>Mondrel-Assistent für neue Kalender</translation>
    </message>
    <message>
        <source>Mondrel New Calendar Wizard - Options</source>
        <translation>Mondrel-Assistent für neue Kalender - Optionen</translation>
    </message>
    <message>
        <source>Choose how many months the page shows and the month it starts with.</source>
        <translation>Wählen Sie, wie viele Monate die Seite zeigt und mit welchem Monat sie beginnt.</translation>
    </message>
    <message>
        <source>Number of &amp;Months:</source>
        <translation>&amp;Anzahl der Monate:</translation>
    </message>
    <message>
        <source>&amp;First Month:</source>
        <translation>&amp;Erster Monat:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Jahr:</translation>
    </message>
    <message>
        <source>The arrangement chosen in a later step always makes %1 months. Choose &quot;Image above months (no overlaying)&quot; or &quot;Months overlayed on image&quot; to set the number.</source>
        <translation>Die in einem späteren Schritt gewählte Anordnung ergibt immer %1 Monate. Wählen Sie „Bild über den Monaten (ohne Überlagerung)“ oder „Monate über dem Bild“, um die Anzahl festzulegen.</translation>
    </message>
</context>
<context>
    <name>CInterior3</name>
    <message>
        <source>Mondrel New Calendar Wizard</source>
        <translation>Mondrel-Assistent für neue Kalender</translation>
    </message>
    <message>
        <source>Mondrel New Calendar Wizard - Options</source>
        <translation>Mondrel-Assistent für neue Kalender - Optionen</translation>
    </message>
</context>
<context>
    <name>CInterior4</name>
    <message>
        <source>Mondrel New Calendar Wizard</source>
        <translation>Mondrel-Assistent für neue Kalender</translation>
    </message>
    <message>
        <source>Mondrel New Calendar Wizard - Options</source>
        <translation>Mondrel-Assistent für neue Kalender - Optionen</translation>
    </message>
</context>
<context>
    <name>CInterior5</name>
    <message>
        <source>Mondrel New Calendar Wizard</source>
        <translation>Mondrel-Assistent für neue Kalender</translation>
    </message>
    <message>
        <source>Mondrel New Calendar Wizard - Options</source>
        <translation>Mondrel-Assistent für neue Kalender - Optionen</translation>
    </message>
    <message>
        <source>Yes, I want to add a frame in my calendar</source>
        <translation>Ja, ich möchte meinem Kalender einen Rahmen geben</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Umriss</translation>
    </message>
    <message>
        <source>Draw Outline</source>
        <translation>Umriss zeichnen</translation>
    </message>
    <message>
        <source>Outline Color</source>
        <translation>Umrissfarbe</translation>
    </message>
    <message>
        <source>Thickness:</source>
        <translation>Stärke:</translation>
    </message>
    <message>
        <source>Outline Line Type:</source>
        <translation>Linienart des Umrisses:</translation>
    </message>
    <message>
        <source>Type of Frame</source>
        <translation>Art des Rahmens</translation>
    </message>
    <message>
        <source>Fill using Image as pattern</source>
        <translation>Mit einem Bild als Muster füllen</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Einfarbig</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Muster</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Select Pattern Filling Image File</source>
        <translation>Bilddatei für die Musterfüllung auswählen</translation>
    </message>
    <message>
        <source>Pattern:</source>
        <translation>Muster:</translation>
    </message>
    <message>
        <source>Frame Thickness:</source>
        <translation>Rahmenbreite:</translation>
    </message>
</context>
<context>
    <name>CInterior6</name>
    <message>
        <source>Image above months (no overlaying)</source>
        <translation>Bild über den Monaten (ohne Überlagerung)</translation>
    </message>
    <message>
        <source>Months overlayed on image</source>
        <translation>Monate über dem Bild</translation>
    </message>
    <message>
        <source>Months on left and bottom with Image on right</source>
        <translation>Monate links und unten, Bild rechts</translation>
    </message>
    <message>
        <source>Months on right and bottom with Image on left</source>
        <translation>Monate rechts und unten, Bild links</translation>
    </message>
    <message>
        <source>Months on top and bottom Image in between</source>
        <translation>Monate oben und unten, Bild dazwischen</translation>
    </message>
    <message>
        <source>Months on all sides with Image in between</source>
        <translation>Monate auf allen Seiten, Bild in der Mitte</translation>
    </message>
    <message>
        <source>Months on top and right Image on left</source>
        <translation>Monate oben und rechts, Bild links</translation>
    </message>
    <message>
        <source>Months on top and left Image on right</source>
        <translation>Monate oben und links, Bild rechts</translation>
    </message>
    <message>
        <source>Mondrel New Calendar Wizard</source>
        <translation>Mondrel-Assistent für neue Kalender</translation>
    </message>
    <message>
        <source>Mondrel New Calendar Wizard - Options</source>
        <translation>Mondrel-Assistent für neue Kalender - Optionen</translation>
    </message>
    <message>
        <source>Arrangement of the photo and the months:</source>
        <translation>Anordnung von Foto und Monaten:</translation>
    </message>
    <message>
        <source>This arrangement always makes %1 months, whatever the number of months.</source>
        <translation>Diese Anordnung ergibt immer %1 Monate, unabhängig von der gewählten Anzahl.</translation>
    </message>
    <message>
        <source>This arrangement makes the one month asked for.</source>
        <translation>Diese Anordnung ergibt den einen gewünschten Monat.</translation>
    </message>
    <message>
        <source>This arrangement makes the %1 months asked for.</source>
        <translation>Diese Anordnung ergibt die %1 gewünschten Monate.</translation>
    </message>
    <message>
        <source>The picture shows the first month&apos;s page; the greyed arrangements hold many months on a page.</source>
        <translation>Das Bild zeigt die Seite des ersten Monats; die grauen Anordnungen zeigen viele Monate auf einer Seite.</translation>
    </message>
    <message numerus="yes">
        <source>A cover and a page for each of the %n months, each page in this arrangement.</source>
        <translation>
            <numerusform>Eine Titelseite und eine Seite für %n Monat, in dieser Anordnung.</numerusform>
            <numerusform>Eine Titelseite und eine Seite für jeden der %n Monate, jede Seite in dieser Anordnung.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A page for each of the %n months, each in this arrangement.</source>
        <translation>
            <numerusform>Eine Seite für %n Monat, in dieser Anordnung.</numerusform>
            <numerusform>Eine Seite für jeden der %n Monate, jede in dieser Anordnung.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CIntroPage</name>
    <message>
        <source>Thank you for your interest in this Quillon product.</source>
        <translation>Vielen Dank für Ihr Interesse an diesem Produkt von Quillon.</translation>
    </message>
    <message>
        <source>Please tell setup program where to install Mondrel ?</source>
        <translation>Wohin soll das Setup Mondrel installieren?</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Verzeichnis:</translation>
    </message>
    <message>
        <source>You can use the Browse button to select the Directory  where you want to install. </source>
        <translation>Mit der Schaltfläche zum Durchsuchen können Sie das Verzeichnis wählen, in das installiert werden soll.</translation>
    </message>
    <message>
        <source>To Continue with Setup click Next, Click Cancel anytime to exit Setup without installing Mondrel on your computer.</source>
        <translation>Klicken Sie auf Weiter, um mit dem Setup fortzufahren. Mit Abbrechen beenden Sie das Setup jederzeit, ohne Mondrel auf Ihrem Computer zu installieren.</translation>
    </message>
    <message>
        <source>Destination Directory can not be empty</source>
        <translation>Das Zielverzeichnis darf nicht leer sein</translation>
    </message>
    <message>
        <source>Mondrel New Calendar Wizard</source>
        <translation>Mondrel-Assistent für neue Kalender</translation>
    </message>
    <message>
        <source>This wizard builds a first design for your calendar: a photo, the months, the page background, an optional frame and the arrangement of it all. Everything can be changed on the page afterwards.</source>
        <translation>Dieser Assistent erstellt einen ersten Entwurf Ihres Kalenders: ein Foto, die Monate, den Seitenhintergrund, auf Wunsch einen Rahmen und die Anordnung von allem. Auf der Seite lässt sich danach alles ändern.</translation>
    </message>
    <message>
        <source>&amp;Image (Photo):</source>
        <translation>&amp;Bild (Foto):</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Select Image File</source>
        <translation>Bilddatei auswählen</translation>
    </message>
    <message>
        <source>Leave it empty for a calendar without a photo.</source>
        <translation>Leer lassen für einen Kalender ohne Foto.</translation>
    </message>
    <message>
        <source>Do Not Show this Wizard in Future</source>
        <translation>Diesen Assistenten künftig nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>The image file &quot;%1&quot; cannot be found.</source>
        <translation>Die Bilddatei „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>&amp;All months on one page</source>
        <translation>&amp;Alle Monate auf einer Seite</translation>
    </message>
    <message>
        <source>A page for &amp;each month</source>
        <translation>Eine Seite für &amp;jeden Monat</translation>
    </message>
    <message>
        <source>Add a &amp;cover page</source>
        <translation>&amp;Titelseite hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Photos, one for each month in this order:</source>
        <translation>Fotos, &amp;eines für jeden Monat in dieser Reihenfolge:</translation>
    </message>
    <message>
        <source>With fewer photos than months they are used again from the first. The cover shows the first photo.</source>
        <translation>Bei weniger Fotos als Monaten beginnen die Fotos wieder beim ersten. Die Titelseite zeigt das erste Foto.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read. Remove it from the list of photos, or add another in its place.</source>
        <translation>Das Bild &quot;%1&quot; kann nicht gelesen werden. Entfernen Sie es aus der Liste der Fotos, oder fügen Sie an seiner Stelle ein anderes hinzu.</translation>
    </message>
</context>
<context>
    <name>CLightEditor</name>
    <message>
        <source>Ambient</source>
        <translation>Umgebung</translation>
    </message>
    <message>
        <source>Diffuse</source>
        <translation>Diffus</translation>
    </message>
    <message>
        <source>Specular</source>
        <translation>Glanzlicht</translation>
    </message>
</context>
<context>
    <name>CLineTypeCombo</name>
    <message>
        <source>Solid</source>
        <translation>Durchgezogen</translation>
    </message>
    <message>
        <source>Dash</source>
        <translation>Gestrichelt</translation>
    </message>
    <message>
        <source>Dot</source>
        <translation>Gepunktet</translation>
    </message>
    <message>
        <source>Dash Dot</source>
        <translation>Strich-Punkt</translation>
    </message>
    <message>
        <source>Dash Dot Dot</source>
        <translation>Strich-Punkt-Punkt</translation>
    </message>
    <message>
        <source>Line Type</source>
        <translation>Linienart</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Failed to create object.  Make sure the object is entered in the system registry.</source>
        <translation>Das Objekt konnte nicht erstellt werden.  Prüfen Sie, ob das Objekt im System registriert ist.</translation>
    </message>
    <message>
        <source>Failed to create object.  The picture &quot;%1&quot; cannot be read: %2.</source>
        <translation>Das Objekt konnte nicht erstellt werden.  Das Bild „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Wieder&amp;herstellen</translation>
    </message>
    <message>
        <source>Select Saved Mondrel File to open</source>
        <translation>Gespeicherte Mondrel-Datei zum Öffnen auswählen</translation>
    </message>
    <message>
        <source>Mondrel Files (.mdr)|*.mdr||</source>
        <translation>Mondrel-Dateien (.mdr)|*.mdr||</translation>
    </message>
    <message>
        <source>Insert Picture</source>
        <translation>Bild einfügen</translation>
    </message>
    <message>
        <source>Pictures|*.bmp;*.gif;*.jpg;*.jpeg;*.png;*.ico;*.tif;*.tiff;*.tga;*.pcx|All Files (*.*)|*.*||</source>
        <translation>Bilder|*.bmp;*.gif;*.jpg;*.jpeg;*.png;*.ico;*.tif;*.tiff;*.tga;*.pcx|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>the file is larger than 256 MB</source>
        <translation>die Datei ist größer als 256 MB</translation>
    </message>
    <message>
        <source>it is not a picture in a format the program reads, or it is damaged</source>
        <translation>es ist kein Bild in einem Format, das das Programm liest, oder es ist beschädigt</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Mondrel cannot open &quot;%1&quot;.

%2</source>
        <translation>Mondrel kann „%1“ nicht öffnen.

%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; opens without the holidays of its calendars.

%2

Add the holiday files again on a calendar&apos;s Special Days (Holidays) page; saving the document keeps it without them.</source>
        <translation>„%1“ wird ohne die Feiertage seiner Kalender geöffnet.

%2

Fügen Sie die Feiertagsdateien auf der Seite „Besondere Tage (Feiertage)“ eines Kalenders erneut hinzu; wird das Dokument gespeichert, bleibt es ohne sie.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Calendar Files (*.mdr)|*.mdr||</source>
        <translation>Kalenderdateien (*.mdr)|*.mdr||</translation>
    </message>
    <message>
        <source>Mondrel cannot save &quot;%1&quot;.

%2</source>
        <translation>Mondrel kann „%1“ nicht speichern.

%2</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Return</source>
        <translation>&amp;Zurückkehren</translation>
    </message>
    <message>
        <source>Return the picture and the scene to the designer</source>
        <translation>Das Bild und die Szene an den Designer zurückgeben</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>&amp;Color Size  Rotation</source>
        <translation>&amp;Farbe, Größe, Drehung</translation>
    </message>
    <message>
        <source>Edit the colours, shine, rotation and scale of the lettering</source>
        <translation>Farben, Glanz, Drehung und Größe der Schrift bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation>&amp;Text</translation>
    </message>
    <message>
        <source>Edit the text, its font and the glyph style</source>
        <translation>Den Text, seine Schrift und die Darstellung der Zeichen bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Light Source 1</source>
        <translation>&amp;Lichtquelle 1</translation>
    </message>
    <message>
        <source>Edit the first light</source>
        <translation>Die erste Lichtquelle bearbeiten</translation>
    </message>
    <message>
        <source>Light Source 2</source>
        <translation>Lichtquelle 2</translation>
    </message>
    <message>
        <source>Edit the second light</source>
        <translation>Die zweite Lichtquelle bearbeiten</translation>
    </message>
    <message>
        <source>Light Source 3</source>
        <translation>Lichtquelle 3</translation>
    </message>
    <message>
        <source>Edit the third light</source>
        <translation>Die dritte Lichtquelle bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Relievo...</source>
        <translation>Ü&amp;ber Relievo...</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Massiv</translation>
    </message>
    <message>
        <source>Show solid glyphs</source>
        <translation>Massive Zeichen zeigen</translation>
    </message>
    <message>
        <source>Wireframe</source>
        <translation>Drahtgitter</translation>
    </message>
    <message>
        <source>Show outline glyphs</source>
        <translation>Zeichen als Drahtgitter zeigen</translation>
    </message>
    <message>
        <source>Relievo</source>
        <translation>Relievo</translation>
    </message>
    <message>
        <source>About Relievo</source>
        <translation>Über Relievo</translation>
    </message>
    <message>
        <source>Relievo

The 3D text engine of Mondrel: it renders lit, solid or wire-frame lettering and returns the picture to the designer.</source>
        <translation>Relievo

Die 3D-Text-Engine von Mondrel: Sie zeichnet beleuchtete, massive oder Drahtgitter-Schrift und gibt das Bild an den Designer zurück.</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>Wieder&amp;herstellen: %1</translation>
    </message>
    <message>
        <source>	Ctrl+Z</source>
        <translation>	Strg+Z</translation>
    </message>
    <message>
        <source>	Ctrl+Shift+Z</source>
        <translation>	Strg+Umschalt+Z</translation>
    </message>
    <message>
        <source>&quot;%1&quot; opens without some of its pages.

%2

The file itself is left as it is until you save the document.</source>
        <translation>„%1“ wird ohne einige seiner Seiten geöffnet.

%2

Die Datei selbst bleibt unverändert, bis Sie das Dokument speichern.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>CMatEditor</name>
    <message>
        <source>Color, Size and Rotation</source>
        <translation>Farbe, Größe und Drehung</translation>
    </message>
    <message>
        <source>Ambient</source>
        <translation>Umgebung</translation>
    </message>
    <message>
        <source>Diffuse</source>
        <translation>Diffus</translation>
    </message>
    <message>
        <source>Specular</source>
        <translation>Glanzlicht</translation>
    </message>
    <message>
        <source>Emission</source>
        <translation>Abstrahlung</translation>
    </message>
</context>
<context>
    <name>CMessage</name>
    <message>
        <source>Cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>ERROR: File extension must be - bmp or jpg.</source>
        <translation>FEHLER: Die Dateiendung muss bmp oder jpg sein.</translation>
    </message>
    <message>
        <source>Out of memory for a page picture of %1 x %2 pixels</source>
        <translation>Zu wenig Speicher für ein Seitenbild von %1 x %2 Pixeln</translation>
    </message>
    <message>
        <source>The page has no size</source>
        <translation>Die Seite hat keine Größe</translation>
    </message>
    <message>
        <source>A calendar can take at most %1 holiday files.</source>
        <translation>Ein Kalender kann höchstens %1 Feiertagsdateien aufnehmen.</translation>
    </message>
    <message>
        <source>The holiday files give %1 days in all; a calendar can keep at most %2.</source>
        <translation>Die Feiertagsdateien ergeben zusammen %1 Tage; ein Kalender kann höchstens %2 behalten.</translation>
    </message>
    <message>
        <source>The name of a holiday file is too long to be kept.</source>
        <translation>Der Name einer Feiertagsdatei ist zu lang, um ihn zu behalten.</translation>
    </message>
    <message>
        <source>An event name is too long to be kept.</source>
        <translation>Der Name eines Ereignisses ist zu lang, um ihn zu behalten.</translation>
    </message>
    <message>
        <source>The reading was cancelled.</source>
        <translation>Das Lesen wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The iCalendar file is nested too deeply to be a calendar.</source>
        <translation>Die iCalendar-Datei ist zu tief verschachtelt, um ein Kalender zu sein.</translation>
    </message>
    <message>
        <source>The iCalendar file has too many repeating events to be used as special days.</source>
        <translation>Die iCalendar-Datei hat zu viele sich wiederholende Ereignisse, um als besondere Tage zu dienen.</translation>
    </message>
    <message>
        <source>The iCalendar file takes too long to read: its events repeat too often or it is too large to be used as special days.</source>
        <translation>Das Lesen der iCalendar-Datei dauert zu lange: Ihre Ereignisse wiederholen sich zu oft, oder sie ist zu groß, um als besondere Tage zu dienen.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The file is not an iCalendar file: it does not begin with BEGIN:VCALENDAR.</source>
        <translation>Die Datei ist keine iCalendar-Datei: Sie beginnt nicht mit BEGIN:VCALENDAR.</translation>
    </message>
    <message>
        <source>The file is not an iCalendar file: it holds binary data.</source>
        <translation>Die Datei ist keine iCalendar-Datei: Sie enthält Binärdaten.</translation>
    </message>
    <message>
        <source>The file is too large for an iCalendar file.</source>
        <translation>Die Datei ist zu groß für eine iCalendar-Datei.</translation>
    </message>
    <message>
        <source>The iCalendar file could not be read.</source>
        <translation>Die iCalendar-Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The iCalendar file could not be read: its structure is damaged.</source>
        <translation>Die iCalendar-Datei konnte nicht gelesen werden: Ihr Aufbau ist beschädigt.</translation>
    </message>
    <message>
        <source>The file holds no iCalendar calendar.</source>
        <translation>Die Datei enthält keinen iCalendar-Kalender.</translation>
    </message>
    <message>
        <source>The iCalendar file holds no events.</source>
        <translation>Die iCalendar-Datei enthält keine Ereignisse.</translation>
    </message>
    <message>
        <source>The iCalendar file has too many events to be used as special days.</source>
        <translation>Die iCalendar-Datei hat zu viele Ereignisse, um als besondere Tage zu dienen.</translation>
    </message>
    <message>
        <source>The iCalendar file has no event in %1.</source>
        <translation>Die iCalendar-Datei hat kein Ereignis im Jahr %1.</translation>
    </message>
    <message>
        <source>The iCalendar file has no event in the years %1 to %2.</source>
        <translation>Die iCalendar-Datei hat kein Ereignis in den Jahren %1 bis %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened.</source>
        <translation>Die Datei %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The file %1 is too large for an iCalendar file.</source>
        <translation>Die Datei %1 ist zu groß für eine iCalendar-Datei.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>Die Datei %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>With the file %1 the holiday files give %2 days in all; a calendar can keep at most %3.</source>
        <translation>Mit der Datei %1 ergeben die Feiertagsdateien zusammen %2 Tage; ein Kalender kann höchstens %3 behalten.</translation>
    </message>
    <message>
        <source>There are no public holidays for the region &quot;%1&quot; in this version.</source>
        <translation>Für die Region „%1“ kennt diese Version keine gesetzlichen Feiertage.</translation>
    </message>
    <message>
        <source>Unknown class &quot;%1&quot;</source>
        <translation>Unbekannte Klasse „%1“</translation>
    </message>
    <message>
        <source>The archive ends inside a record</source>
        <translation>Das Archiv endet mitten in einem Datensatz</translation>
    </message>
    <message>
        <source>The record is not one object</source>
        <translation>Der Datensatz ist nicht genau ein Objekt</translation>
    </message>
    <message>
        <source>The archive is not loading</source>
        <translation>Das Archiv wird nicht gelesen</translation>
    </message>
    <message>
        <source>The archive failed earlier</source>
        <translation>Das Archiv ist schon vorher gescheitert</translation>
    </message>
    <message>
        <source>Unexpected schema of class %1</source>
        <translation>Unerwartetes Schema der Klasse %1</translation>
    </message>
    <message>
        <source>Bad object reference</source>
        <translation>Ungültiger Objektverweis</translation>
    </message>
    <message>
        <source>Reference to an object of the wrong class</source>
        <translation>Verweis auf ein Objekt der falschen Klasse</translation>
    </message>
    <message>
        <source>Bad class reference</source>
        <translation>Ungültiger Klassenverweis</translation>
    </message>
    <message>
        <source>A record of class %1 for another class</source>
        <translation>Ein Datensatz der Klasse %1 für eine andere Klasse</translation>
    </message>
    <message>
        <source>Object of class %1 not expected here</source>
        <translation>Ein Objekt der Klasse %1 ist hier nicht erwartet</translation>
    </message>
    <message>
        <source>Objects nested too deeply</source>
        <translation>Objekte zu tief verschachtelt</translation>
    </message>
    <message>
        <source>Object list longer than the archive</source>
        <translation>Objektliste länger als das Archiv</translation>
    </message>
    <message>
        <source>An object list may hold each object once</source>
        <translation>Eine Objektliste darf jedes Objekt nur einmal enthalten</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Zu wenig Speicher</translation>
    </message>
    <message>
        <source>Cannot create the stream &quot;%1&quot;</source>
        <translation>Der Datenstrom „%1“ kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Cannot write the stream &quot;%1&quot;</source>
        <translation>Der Datenstrom „%1“ kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Cannot create the storage &quot;%1&quot;</source>
        <translation>Der Speicher „%1“ kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Cannot write the storage &quot;%1&quot;</source>
        <translation>Der Speicher „%1“ kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The storages are nested too deeply</source>
        <translation>Die Speicher sind zu tief verschachtelt</translation>
    </message>
    <message>
        <source>The file holds too many entries</source>
        <translation>Die Datei enthält zu viele Einträge</translation>
    </message>
    <message>
        <source>An entry of the file cannot be opened</source>
        <translation>Ein Eintrag der Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The storage name &quot;%1&quot; is not valid</source>
        <translation>Der Speichername „%1“ ist ungültig</translation>
    </message>
    <message>
        <source>The stream &quot;%1&quot; is larger than the file can hold</source>
        <translation>Der Datenstrom „%1“ ist größer, als die Datei fassen kann</translation>
    </message>
    <message>
        <source>The stream &quot;%1&quot; cannot be read</source>
        <translation>Der Datenstrom „%1“ kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The stream name &quot;%1&quot; is not valid</source>
        <translation>Der Datenstromname „%1“ ist ungültig</translation>
    </message>
    <message>
        <source>Cannot create the compound file</source>
        <translation>Die Verbunddatei kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Cannot write the compound file</source>
        <translation>Die Verbunddatei kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The file is empty</source>
        <translation>Die Datei ist leer</translation>
    </message>
    <message>
        <source>The file is not a compound file</source>
        <translation>Die Datei ist keine Verbunddatei</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The file %1 is too large</source>
        <translation>Die Datei %1 ist zu groß</translation>
    </message>
    <message>
        <source>Cannot create a temporary file in %1: %2</source>
        <translation>In %1 kann keine temporäre Datei angelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot replace %1: %2</source>
        <translation>%1 kann nicht ersetzt werden: %2</translation>
    </message>
    <message>
        <source>Cannot store an embedded object</source>
        <translation>Ein eingebettetes Objekt kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Cannot create the document stream</source>
        <translation>Der Datenstrom des Dokuments kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Cannot create the holiday stream</source>
        <translation>Der Datenstrom der Feiertage kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>An embedded object of the file is missing or damaged</source>
        <translation>Ein eingebettetes Objekt der Datei fehlt oder ist beschädigt</translation>
    </message>
    <message>
        <source>the stream &quot;%1&quot; is out of order</source>
        <translation>der Datenstrom „%1“ steht außer der Reihe</translation>
    </message>
    <message>
        <source>%1 more streams are out of order</source>
        <translation>%1 weitere Datenströme stehen außer der Reihe</translation>
    </message>
    <message>
        <source>page %1 is missing</source>
        <translation>Seite %1 fehlt</translation>
    </message>
    <message>
        <source>page %1 is damaged (%2)</source>
        <translation>Seite %1 ist beschädigt (%2)</translation>
    </message>
    <message>
        <source>Some pages of the file were left out: %1.</source>
        <translation>Einige Seiten der Datei wurden ausgelassen: %1.</translation>
    </message>
    <message>
        <source>The file holds no calendar document</source>
        <translation>Die Datei enthält kein Kalenderdokument</translation>
    </message>
    <message>
        <source>The file is not a valid calendar document (%1)</source>
        <translation>Die Datei ist kein gültiges Kalenderdokument (%1)</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>%1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>too many client items</source>
        <translation>zu viele Client-Elemente</translation>
    </message>
    <message>
        <source>a null client item</source>
        <translation>ein leeres Client-Element</translation>
    </message>
    <message>
        <source>a client item without its object</source>
        <translation>ein Client-Element ohne sein Objekt</translation>
    </message>
    <message>
        <source>The holiday data of the document is damaged.</source>
        <translation>Die Feiertagsdaten des Dokuments sind beschädigt.</translation>
    </message>
    <message>
        <source>The holiday data of the document was written by a newer version.</source>
        <translation>Die Feiertagsdaten des Dokuments wurden von einer neueren Version geschrieben.</translation>
    </message>
    <message>
        <source>An embedded item is shown twice</source>
        <translation>Ein eingebettetes Element wird zweimal gezeigt</translation>
    </message>
    <message>
        <source>A shape holds more points than its room</source>
        <translation>Eine Form enthält mehr Punkte, als Platz für sie ist</translation>
    </message>
    <message>
        <source>Bad picture record of a text object</source>
        <translation>Ungültiger Bilddatensatz eines Textobjekts</translation>
    </message>
    <message>
        <source>The module for PNG, TIFF and iCalendar files cannot be loaded: %1</source>
        <translation>Das Modul für PNG-, TIFF- und iCalendar-Dateien kann nicht geladen werden: %1</translation>
    </message>
</context>
<context>
    <name>CMondrelApp</name>
    <message>
        <source>Mondrel was not closed properly last time. Restore the document with the changes that were not saved?</source>
        <translation>Mondrel wurde beim letzten Mal nicht ordnungsgemäß beendet. Das Dokument mit den nicht gespeicherten Änderungen wiederherstellen?</translation>
    </message>
    <message>
        <source>Mondrel was not closed properly last time. Restore the %1 documents with the changes that were not saved?</source>
        <translation>Mondrel wurde beim letzten Mal nicht ordnungsgemäß beendet. Die %1 Dokumente mit den nicht gespeicherten Änderungen wiederherstellen?</translation>
    </message>
    <message>
        <source>A document could not be restored.

%1</source>
        <translation>Ein Dokument konnte nicht wiederhergestellt werden.

%1</translation>
    </message>
    <message>
        <source>Double-click to change this text</source>
        <translation>Doppelklicken, um diesen Text zu ändern</translation>
    </message>
    <message>
        <source>Image Place Holder</source>
        <translation>Bildplatzhalter</translation>
    </message>
</context>
<context>
    <name>CNewCalendarWizard</name>
    <message>
        <source>New Calendar Wizard</source>
        <translation>Assistent für neue Kalender</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Weiter &gt;</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Zurück</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertigstellen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>
Choose another file, or No File to make the calendar without holidays.</source>
        <translation>
Wählen Sie eine andere Datei oder „Keine Datei“, um den Kalender ohne Feiertage anzulegen.</translation>
    </message>
    <message>
        <source>New Calendar</source>
        <translation>Neuer Kalender</translation>
    </message>
</context>
<context>
    <name>CObjectSheet</name>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
</context>
<context>
    <name>COptionsPage</name>
    <message>
        <source>Auto Increment Month,Year of Calendar Object</source>
        <translation>Monat und Jahr des Kalenderobjekts automatisch weiterzählen</translation>
    </message>
    <message>
        <source>(When Using Copy and Paste)</source>
        <translation>(beim Kopieren und Einfügen)</translation>
    </message>
    <message>
        <source>Grid Lines</source>
        <translation>Rasterlinien</translation>
    </message>
    <message>
        <source>Draw Grid</source>
        <translation>Gitter zeichnen</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>Grid Color</source>
        <translation>Rasterfarbe</translation>
    </message>
    <message>
        <source>Thickness:</source>
        <translation>Stärke:</translation>
    </message>
    <message>
        <source>Grid Line Type:</source>
        <translation>Linienart des Rasters:</translation>
    </message>
    <message>
        <source>Default Solid Background Color</source>
        <translation>Voreingestellte Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Choose Color</source>
        <translation>Farbe wählen</translation>
    </message>
    <message>
        <source>Do not show New Calendar Wizard when starting new Calendar.</source>
        <translation>Den Assistenten für neue Kalender beim Anlegen eines Kalenders nicht anzeigen.</translation>
    </message>
    <message>
        <source>At Startup show tip of the day</source>
        <translation>Beim Start den Tipp des Tages anzeigen</translation>
    </message>
</context>
<context>
    <name>CPageStrip</name>
    <message>
        <source>Page Strip</source>
        <translation>Seitenleiste</translation>
    </message>
</context>
<context>
    <name>CPhotoList</name>
    <message>
        <source>Add P&amp;hotos...</source>
        <translation>&amp;Fotos hinzufügen...</translation>
    </message>
    <message>
        <source>Add &amp;Folder...</source>
        <translation>&amp;Ordner hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>Entfe&amp;rnen</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;vorne</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Nach &amp;hinten</translation>
    </message>
    <message>
        <source>%1. %2 (cannot be read)</source>
        <translation>%1. %2 (nicht lesbar)</translation>
    </message>
    <message>
        <source>Select Photos</source>
        <translation>Fotos auswählen</translation>
    </message>
    <message>
        <source>Select Photo Folder</source>
        <translation>Fotoordner auswählen</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds no pictures the program can read.</source>
        <translation>Der Ordner &quot;%1&quot; enthält keine Bilder, die das Programm lesen kann.</translation>
    </message>
</context>
<context>
    <name>CPlacesBar</name>
    <message>
        <source>Home</source>
        <translation>Persönlich</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Dokumente</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Schreibtisch</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Zuletzt</translation>
    </message>
    <message>
        <source>Folders used recently</source>
        <translation>Zuletzt verwendete Ordner</translation>
    </message>
    <message>
        <source>(No folders used yet)</source>
        <translation>(Noch keine Ordner verwendet)</translation>
    </message>
</context>
<context>
    <name>CPreviewFileDialog</name>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Show &amp;Preview</source>
        <translation>&amp;Vorschau zeigen</translation>
    </message>
</context>
<context>
    <name>CPreviewPane</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
</context>
<context>
    <name>CProgressStatusBar</name>
    <message>
        <source>The lock state cannot be read on this display</source>
        <translation>Der Zustand der Feststelltasten lässt sich auf dieser Anzeige nicht lesen</translation>
    </message>
</context>
<context>
    <name>CRecoveryStore</name>
    <message>
        <source>Cannot make the recovery folder %1</source>
        <translation>Der Wiederherstellungsordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>CRelievoView</name>
    <message>
        <source>The request &quot;%1&quot; could not be read; the scene keeps its values.</source>
        <translation>Die Anfrage „%1“ konnte nicht gelesen werden; die Szene behält ihre Werte.</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Lighting Properties</source>
        <translation>Beleuchtung</translation>
    </message>
    <message>
        <source>Light Source 2</source>
        <translation>Lichtquelle 2</translation>
    </message>
    <message>
        <source>Light Source 3</source>
        <translation>Lichtquelle 3</translation>
    </message>
</context>
<context>
    <name>CSelectFolderDialog</name>
    <message>
        <source>Select Folder to Install into...</source>
        <translation>Ordner für die Installation wählen...</translation>
    </message>
    <message>
        <source>Up One Level</source>
        <translation>Eine Ebene höher</translation>
    </message>
    <message>
        <source>Home Folder</source>
        <translation>Persönlicher Ordner</translation>
    </message>
    <message>
        <source>Current Folder is:</source>
        <translation>Aktueller Ordner:</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Invalid Folder</source>
        <translation>Ungültiger Ordner</translation>
    </message>
    <message>
        <source>This path does not exist. Do you want to create it?</source>
        <translation>Diesen Pfad gibt es nicht. Möchten Sie ihn anlegen?</translation>
    </message>
    <message>
        <source>Could not create folder:</source>
        <translation>Der Ordner konnte nicht angelegt werden:</translation>
    </message>
</context>
<context>
    <name>CSetupCommand</name>
    <message>
        <source>Usage:
  tallowin                       the setup wizard
  tallowin --batch [--dest DIR]  install without a window
  tallowin --uninstall [--dest DIR]
                                 remove an installation (the one the settings name,
                                 else the one in the default folder)
  tallowin --help | --version
Options:
  --dest DIR     the folder to install into (default ~/.local/opt/mondrel/,
                 /opt/mondrel/ as root)
  --user         install for this user only, even as root
  --source DIR   the setup folder holding mondrel.inf (default: tallowin&apos;s own folder)
</source>
        <translation>Aufruf:
  tallowin                       der Setup-Assistent
  tallowin --batch [--dest ORDNER]
                                 ohne Fenster installieren
  tallowin --uninstall [--dest ORDNER]
                                 eine Installation entfernen (die in den Einstellungen
                                 genannte, sonst die im vorgegebenen Ordner)
  tallowin --help | --version
Optionen:
  --dest ORDNER    der Ordner, in den installiert wird (Vorgabe ~/.local/opt/mondrel/,
                   als root /opt/mondrel/)
  --user           nur für diesen Benutzer installieren, auch als root
  --source ORDNER  der Setup-Ordner mit mondrel.inf (Vorgabe: der Ordner von tallowin)
</translation>
    </message>
    <message>
        <source>This Tallowin has no setup folder beside it (there is no mondrel.inf in %1): it removes installations in folders (tallowin --uninstall --dest DIR) but installs nothing. To install into a folder, run the tallowin of a setup folder.</source>
        <translation>Neben diesem Tallowin liegt kein Setup-Ordner (in %1 gibt es keine mondrel.inf): Es entfernt Installationen in Ordnern (tallowin --uninstall --dest ORDNER), installiert aber nichts. Um in einen Ordner zu installieren, starten Sie das tallowin eines Setup-Ordners.</translation>
    </message>
    <message>
        <source>The option %1 needs a folder.</source>
        <translation>Die Option %1 braucht einen Ordner.</translation>
    </message>
    <message>
        <source>Unknown argument &quot;%1&quot;.</source>
        <translation>Unbekanntes Argument &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Give either --batch or --uninstall.</source>
        <translation>Geben Sie entweder --batch oder --uninstall an.</translation>
    </message>
    <message>
        <source>The folder must be a full path (not &quot;%1&quot;).</source>
        <translation>Der Ordner muss ein vollständiger Pfad sein (nicht &quot;%1&quot;).</translation>
    </message>
    <message>
        <source>The folder %1 no longer exists; removed what named it: %2.</source>
        <translation>Den Ordner %1 gibt es nicht mehr; entfernt wurde, was ihn nannte: %2.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>Mondrel was removed from %1 (%2 files).</source>
        <translation>Mondrel wurde aus %1 entfernt (%2 Dateien).</translation>
    </message>
    <message>
        <source>Installed into %1: %2 files copied</source>
        <translation>Installiert in %1: %2 Dateien kopiert</translation>
    </message>
    <message>
        <source>, %1 newer files kept</source>
        <translation>, %1 neuere Dateien erhalten</translation>
    </message>
</context>
<context>
    <name>CShineEdit</name>
    <message>
        <source>Shininess</source>
        <translation>Glanzstärke</translation>
    </message>
    <message>
        <source>The shininess of a material may range from 0 to 128.</source>
        <translation>Der Glanz eines Materials reicht von 0 bis 128.</translation>
    </message>
    <message>
        <source>Shine</source>
        <translation>Glanz</translation>
    </message>
</context>
<context>
    <name>CTextSheet</name>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
</context>
<context>
    <name>CTipOfDayDialog</name>
    <message>
        <source>Tips file does not exist in the prescribed directory</source>
        <translation>Die Tippdatei ist im vorgesehenen Ordner nicht vorhanden</translation>
    </message>
    <message>
        <source>Trouble reading the tips file</source>
        <translation>Fehler beim Lesen der Tippdatei</translation>
    </message>
    <message>
        <source>The tips file holds no tips.</source>
        <translation>Die Tippdatei enthält keine Tipps.</translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation>Tipp des Tages</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>Wussten Sie schon...</translation>
    </message>
    <message>
        <source>&amp;Show Tips on StartUp</source>
        <translation>&amp;Tipps beim Start anzeigen</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Nächster Tipp</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>CWizardSheet</name>
    <message>
        <source>Installation script did not complete successfully!</source>
        <translation>Das Installationsskript wurde nicht erfolgreich abgeschlossen!</translation>
    </message>
    <message>
        <source>Mondrel %1 Setup</source>
        <translation>Mondrel %1 Setup</translation>
    </message>
    <message>
        <source>Setup of Mondrel %1 Completed Successfully.</source>
        <translation>Das Setup von Mondrel %1 wurde erfolgreich abgeschlossen.</translation>
    </message>
    <message>
        <source>Setup Wizard</source>
        <translation>Setup-Assistent</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Weiter &gt;</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertig stellen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Product Sample Install Error</source>
        <translation>Fehler bei der Installation</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>en</source>
        <comment>the language code of the tips and help pages</comment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>Exchange3D</name>
    <message>
        <source>The 3D text engine is running.
Return from it to go on.</source>
        <translation>Die 3D-Text-Engine läuft.
Kehren Sie von dort zurück, um weiterzuarbeiten.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>FATAL ERROR:
Unable to start 3D Text Engine,
Your system may be running low on virtual memory, close some applications to free some.
Please also check that you have all the executables that you
Downloaded installed in the same directory Mondrel is installed in.
Or contact Quillon Support by email.
support@mondrel.example</source>
        <translation>SCHWERER FEHLER:
Die 3D-Text-Engine kann nicht gestartet werden.
Möglicherweise ist der virtuelle Speicher knapp; schließen Sie einige Programme, um Speicher freizugeben.
Prüfen Sie auch, ob alle heruntergeladenen Programmdateien
im selben Ordner wie Mondrel installiert sind.
Oder wenden Sie sich per E-Mail an den Quillon-Support.
support@mondrel.example</translation>
    </message>
</context>
<context>
    <name>HolidayReading</name>
    <message>
        <source>Reading the holiday files...</source>
        <translation>Die Feiertagsdateien werden gelesen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Special Days</source>
        <translation>Besondere Tage</translation>
    </message>
</context>
<context>
    <name>HolidayRegionCombo</name>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
</context>
<context>
    <name>HolidayRegions</name>
    <message>
        <source>Australia</source>
        <translation>Australien</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Österreich</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Belgien</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Kanada</translation>
    </message>
    <message>
        <source>Czechia</source>
        <translation>Tschechien</translation>
    </message>
    <message>
        <source>Denmark</source>
        <translation>Dänemark</translation>
    </message>
    <message>
        <source>Finland</source>
        <translation>Finnland</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Frankreich</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Deutschland</translation>
    </message>
    <message>
        <source>Germany (Baden-Württemberg)</source>
        <translation>Deutschland (Baden-Württemberg)</translation>
    </message>
    <message>
        <source>Germany (Bavaria)</source>
        <translation>Deutschland (Bayern)</translation>
    </message>
    <message>
        <source>Germany (Berlin)</source>
        <translation>Deutschland (Berlin)</translation>
    </message>
    <message>
        <source>Germany (Brandenburg)</source>
        <translation>Deutschland (Brandenburg)</translation>
    </message>
    <message>
        <source>Germany (Bremen)</source>
        <translation>Deutschland (Bremen)</translation>
    </message>
    <message>
        <source>Germany (Hamburg)</source>
        <translation>Deutschland (Hamburg)</translation>
    </message>
    <message>
        <source>Germany (Hesse)</source>
        <translation>Deutschland (Hessen)</translation>
    </message>
    <message>
        <source>Germany (Lower Saxony)</source>
        <translation>Deutschland (Niedersachsen)</translation>
    </message>
    <message>
        <source>Germany (Mecklenburg-Vorpommern)</source>
        <translation>Deutschland (Mecklenburg-Vorpommern)</translation>
    </message>
    <message>
        <source>Germany (North Rhine-Westphalia)</source>
        <translation>Deutschland (Nordrhein-Westfalen)</translation>
    </message>
    <message>
        <source>Germany (Rhineland-Palatinate)</source>
        <translation>Deutschland (Rheinland-Pfalz)</translation>
    </message>
    <message>
        <source>Germany (Saarland)</source>
        <translation>Deutschland (Saarland)</translation>
    </message>
    <message>
        <source>Germany (Saxony)</source>
        <translation>Deutschland (Sachsen)</translation>
    </message>
    <message>
        <source>Germany (Saxony-Anhalt)</source>
        <translation>Deutschland (Sachsen-Anhalt)</translation>
    </message>
    <message>
        <source>Germany (Schleswig-Holstein)</source>
        <translation>Deutschland (Schleswig-Holstein)</translation>
    </message>
    <message>
        <source>Germany (Thuringia)</source>
        <translation>Deutschland (Thüringen)</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Irland</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Luxembourg</source>
        <translation>Luxemburg</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Niederlande</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation>Neuseeland</translation>
    </message>
    <message>
        <source>Norway</source>
        <translation>Norwegen</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polen</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation>Portugal</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Spanien</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Schweden</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Schweiz</translation>
    </message>
    <message>
        <source>United Kingdom (England and Wales)</source>
        <translation>Vereinigtes Königreich (England und Wales)</translation>
    </message>
    <message>
        <source>United Kingdom (Northern Ireland)</source>
        <translation>Vereinigtes Königreich (Nordirland)</translation>
    </message>
    <message>
        <source>United Kingdom (Scotland)</source>
        <translation>Vereinigtes Königreich (Schottland)</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>Vereinigte Staaten</translation>
    </message>
</context>
<context>
    <name>PageCommands</name>
    <message>
        <source>New Page</source>
        <translation>Neue Seite</translation>
    </message>
    <message>
        <source>Duplicate Page</source>
        <translation>Seite duplizieren</translation>
    </message>
    <message>
        <source>Delete Page</source>
        <translation>Seite löschen</translation>
    </message>
    <message>
        <source>Move Page Earlier</source>
        <translation>Seite nach vorne</translation>
    </message>
    <message>
        <source>Move Page Later</source>
        <translation>Seite nach hinten</translation>
    </message>
</context>
<context>
    <name>PageOutput</name>
    <message>
        <source>Page Size</source>
        <translation>Seitengröße</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Calendar Page</source>
        <translation>Kalenderseite</translation>
    </message>
    <message>
        <source>&amp;Fit the page to the paper</source>
        <translation>Seite an das &amp;Papier anpassen</translation>
    </message>
    <message>
        <source>Give the calendar page the size of the paper&apos;s printable area (Undo takes it back)</source>
        <translation>Der Kalenderseite die Größe des bedruckbaren Bereichs des Papiers geben (Rückgängig nimmt es zurück)</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot;</source>
        <translation>die Datei „%1“</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot;</source>
        <translation>der Drucker „%1“</translation>
    </message>
    <message>
        <source>The calendar could not be printed: %1 did not take the page.</source>
        <translation>Der Kalender konnte nicht gedruckt werden: %1 hat die Seite nicht angenommen.</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Saving the calendar picture...</source>
        <translation>Das Kalenderbild wird gespeichert...</translation>
    </message>
    <message>
        <source>Save Calendar Image As..</source>
        <translation>Kalenderbild speichern unter..</translation>
    </message>
    <message>
        <source>JPEG Files (*.jpg) |*.jpg;*.jpeg|Bitmap Files (*.bmp) |*.bmp|All Files (*.*)|*.*||</source>
        <translation>JPEG-Dateien (*.jpg) |*.jpg;*.jpeg|Bitmap-Dateien (*.bmp) |*.bmp|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>%1 dpi</source>
        <translation>%1 dpi</translation>
    </message>
    <message>
        <source>100 dpi gives one pixel per 0.01 inch of the page; more gives a picture fit for print</source>
        <translation>100 dpi ergibt ein Pixel je 0,01 Zoll der Seite; mehr ergibt ein druckfähiges Bild</translation>
    </message>
    <message>
        <source>&amp;Resolution:</source>
        <translation>&amp;Auflösung:</translation>
    </message>
    <message>
        <source>The picture could not be written.</source>
        <translation>Das Bild konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)|*.pdf||</source>
        <translation>PDF-Dateien (*.pdf)|*.pdf||</translation>
    </message>
    <message>
        <source>ERROR: File extension must be - bmp or jpg.</source>
        <translation>FEHLER: Die Dateiendung muss bmp oder jpg sein.</translation>
    </message>
    <message>
        <source>The page shown (page %1)</source>
        <translation>Die angezeigte Seite (Seite %1)</translation>
    </message>
    <message>
        <source>Every page (NAME-01, NAME-02 ...)</source>
        <translation>Jede Seite (NAME-01, NAME-02 ...)</translation>
    </message>
    <message>
        <source>&amp;Pages:</source>
        <translation>&amp;Seiten:</translation>
    </message>
</context>
<context>
    <name>PictureFiles</name>
    <message>
        <source>The file is not there.</source>
        <translation>Die Datei ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>The file cannot be opened.</source>
        <translation>Die Datei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>It is damaged, or it is not the kind of picture its name says.</source>
        <translation>Sie ist beschädigt oder keine Bilddatei der Art, die ihr Name angibt.</translation>
    </message>
    <message>
        <source>It is not a picture the program can read (BMP, GIF, JPEG, PNG, ICO, TIFF, TGA or PCX).</source>
        <translation>Es ist kein Bild, das das Programm lesen kann (BMP, GIF, JPEG, PNG, ICO, TIFF, TGA oder PCX).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read.

%2</source>
        <translation>Das Bild „%1“ kann nicht gelesen werden.

%2</translation>
    </message>
</context>
<context>
    <name>PreviewFileDialog</name>
    <message>
        <source>Supported Image Files (.jpg;.jpeg;.bmp;.gif;.png;.ico;.tif;.tiff)|*.jpg;*.jpeg;*.bmp;*.gif;*.png;*.ico;*.tif;*.tiff|All Files (*.*)|*.*||</source>
        <translation>Unterstützte Bilddateien (.jpg;.jpeg;.bmp;.gif;.png;.ico;.tif;.tiff)|*.jpg;*.jpeg;*.bmp;*.gif;*.png;*.ico;*.tif;*.tiff|Alle Dateien (*.*)|*.*||</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Background Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Background Image</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>Mondrel Application</source>
        <translation>Mondrel-Anwendung</translation>
    </message>
    <message>
        <source>Default Options</source>
        <translation>Voreinstellungen</translation>
    </message>
</context>
<context>
    <name>SceneEditors</name>
    <message>
        <source>Light Source 1</source>
        <translation>Lichtquelle 1</translation>
    </message>
</context>
<context>
    <name>SetupPaths</name>
    <message>
        <source>Destination Directory can not be empty</source>
        <translation>Das Zielverzeichnis darf nicht leer sein</translation>
    </message>
    <message>
        <source>Invalid Folder</source>
        <translation>Ungültiger Ordner</translation>
    </message>
    <message>
        <source>The destination must be a full path that starts with / or ~ (not &quot;%1&quot;).</source>
        <translation>Das Ziel muss ein vollständiger Pfad sein, der mit / oder ~ beginnt (nicht &quot;%1&quot;).</translation>
    </message>
    <message>
        <source>The destination is longer than %1 characters; choose a shorter folder.</source>
        <translation>Das Ziel ist länger als %1 Zeichen; wählen Sie einen kürzeren Ordner.</translation>
    </message>
    <message>
        <source>Could not create folder:</source>
        <translation>Der Ordner konnte nicht angelegt werden:</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Unknown option &quot;%1&quot;.</source>
        <translation>Unbekannte Option &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>relievo</name>
    <message>
        <source>Usage:
  relievo            edit the 3D text of &quot;request.3d&quot; in the working directory in a
                     window; File, Return writes &quot;reply.3d&quot; (Mondrel starts it so)
  relievo --batch    answer &quot;request.3d&quot; in the working directory without a window
  relievo --help | --version

Relievo renders the 3D lettering of Mondrel, the calendar designer.
</source>
        <translation>Aufruf:
  relievo            den 3D-Text von &quot;request.3d&quot; im Arbeitsverzeichnis in einem
                     Fenster bearbeiten; Datei, Zurück schreibt &quot;reply.3d&quot; (so startet
                     Mondrel es)
  relievo --batch    &quot;request.3d&quot; im Arbeitsverzeichnis ohne Fenster beantworten
  relievo --help | --version

Relievo zeichnet die 3D-Schrift von Mondrel, dem Kalender-Designer.
</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>„%1“ konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>There is no readable &quot;%1&quot; in the working directory.</source>
        <translation>Im Arbeitsverzeichnis gibt es keine lesbare Datei „%1“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid request; nothing was written.</source>
        <translation>„%1“ ist keine gültige Anfrage; nichts wurde geschrieben.</translation>
    </message>
    <message>
        <source>The requested picture of %1 x %2 cannot be drawn (a negative side, or larger than OpenGL can draw); nothing was written.</source>
        <translation>Das angefragte Bild von %1 x %2 kann nicht gezeichnet werden (eine negative Seite, oder größer, als OpenGL zeichnen kann); nichts wurde geschrieben.</translation>
    </message>
    <message>
        <source>The picture could not be drawn; nothing was written.</source>
        <translation>Das Bild konnte nicht gezeichnet werden; nichts wurde geschrieben.</translation>
    </message>
    <message>
        <source>EGL offers no surfaceless platform (Mesa&apos;s EGL is needed)</source>
        <translation>EGL bietet keine Plattform ohne Oberfläche (das EGL von Mesa wird gebraucht)</translation>
    </message>
    <message>
        <source>EGL could not be initialised on the surfaceless platform</source>
        <translation>EGL konnte auf der Plattform ohne Oberfläche nicht gestartet werden</translation>
    </message>
    <message>
        <source>EGL offers no desktop OpenGL</source>
        <translation>EGL bietet kein Desktop-OpenGL</translation>
    </message>
    <message>
        <source>EGL has no configuration for OpenGL pictures</source>
        <translation>EGL hat keine Konfiguration für OpenGL-Bilder</translation>
    </message>
    <message>
        <source>EGL could not create an OpenGL context</source>
        <translation>EGL konnte keinen OpenGL-Kontext anlegen</translation>
    </message>
    <message>
        <source>EGL could not make the OpenGL context current</source>
        <translation>EGL konnte den OpenGL-Kontext nicht aktivieren</translation>
    </message>
</context>
<context>
    <name>ui::CDrawView</name>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Drop Pictures</source>
        <translation>Bilder ablegen</translation>
    </message>
    <message>
        <source>Paste Picture</source>
        <translation>Bild einfügen</translation>
    </message>
    <message>
        <source>Align Top</source>
        <translation>Oben ausrichten</translation>
    </message>
    <message>
        <source>Align Bottom</source>
        <translation>Unten ausrichten</translation>
    </message>
    <message>
        <source>Align Center</source>
        <translation>Horizontal zentrieren</translation>
    </message>
    <message>
        <source>Align V Center</source>
        <translation>Vertikal zentrieren</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>Links ausrichten</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Rechts ausrichten</translation>
    </message>
    <message>
        <source>Same Width</source>
        <translation>Gleiche Breite</translation>
    </message>
    <message>
        <source>Same Height</source>
        <translation>Gleiche Höhe</translation>
    </message>
    <message>
        <source>Same Height, Width</source>
        <translation>Gleiche Höhe und Breite</translation>
    </message>
    <message>
        <source>Space Across</source>
        <translation>Nebeneinander verteilen</translation>
    </message>
    <message>
        <source>Space Down</source>
        <translation>Untereinander verteilen</translation>
    </message>
    <message>
        <source>Arrange</source>
        <translation>Anordnen</translation>
    </message>
    <message>
        <source>Move To Front</source>
        <translation>In den Vordergrund</translation>
    </message>
    <message>
        <source>Move To Back</source>
        <translation>In den Hintergrund</translation>
    </message>
    <message>
        <source>Move Forward</source>
        <translation>Eine Ebene nach vorne</translation>
    </message>
    <message>
        <source>Move Back</source>
        <translation>Eine Ebene nach hinten</translation>
    </message>
</context>
</TS>
