<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
</context>
</TS>
