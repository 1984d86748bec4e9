<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="fr_FR">
<context>
    <name>brelo::AboutPage</name>
    <message>
        <source>A Propos</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Programme d&apos;aide au calcul de l&apos;optique d&apos;un coronographe de Lyot</source>
        <translation>A helper for designing the optics of a Lyot coronagraph</translation>
    </message>
    <message>
        <source>Calcul d&apos;éphéméride solaire</source>
        <translation>Solar ephemeris</translation>
    </message>
    <message>
        <source>Logiciel libre et gratuit</source>
        <translation>Free software, free of charge</translation>
    </message>
    <message>
        <source>Vous pouvez l&apos;utiliser, le copier, le modifier et le redistribuer librement. Il est fourni tel quel, sans aucune garantie : vérifiez vos calculs avant de monter vos optiques.</source>
        <translation>You may use, copy, modify and redistribute it freely. It comes as it is, without any warranty: check your figures before you mount your optics.</translation>
    </message>
    <message>
        <source>Écrit par des amateurs, pour des amateurs.</source>
        <translation>Written by amateurs, for amateurs.</translation>
    </message>
    <message>
        <source>Né de la construction d&apos;un coronographe de Lyot d&apos;amateur, pour observer les protubérances et la couronne solaire.</source>
        <translation>Born of building an amateur Lyot coronagraph, to observe the solar prominences and corona.</translation>
    </message>
    <message>
        <source>Licence GPL-3.0 ou ultérieure — texte complet : %1</source>
        <translation>Licence GPL-3.0 or later — full text: %1</translation>
    </message>
</context>
<context>
    <name>brelo::AtomicFile</name>
    <message>
        <source>Impossible d&apos;enregistrer « %1 » : %2.</source>
        <translation>Cannot save “%1”: %2.</translation>
    </message>
    <message>
        <source>le dossier n&apos;existe pas</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>écriture interdite dans ce dossier ou sur ce fichier</source>
        <translation>writing is not allowed in this folder or to this file</translation>
    </message>
    <message>
        <source>l&apos;écriture a échoué (disque plein ?), l&apos;ancien fichier est conservé</source>
        <translation>writing failed (disk full?); the old file is kept</translation>
    </message>
    <message>
        <source>le fichier ne peut pas être créé</source>
        <translation>the file cannot be created</translation>
    </message>
    <message>
        <source>un dossier porte ce nom</source>
        <translation>a folder has this name</translation>
    </message>
</context>
<context>
    <name>brelo::ChartExport</name>
    <message>
        <source>Image PNG, 2 × la taille de l&apos;écran (*.png)</source>
        <translation>PNG image, 2 × the screen size (*.png)</translation>
    </message>
    <message>
        <source>Dessin vectoriel SVG (*.svg)</source>
        <translation>SVG vector drawing (*.svg)</translation>
    </message>
    <message>
        <source>Document PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Exporter le graphique</source>
        <translation>Export the Chart</translation>
    </message>
    <message>
        <source>Graphique exporté dans « %1 ».</source>
        <translation>Chart exported to “%1”.</translation>
    </message>
</context>
<context>
    <name>brelo::ConstructionPage</name>
    <message>
        <source>Diamètre de la pupille au diaphragme =</source>
        <translation>Pupil diameter at the Lyot stop =</translation>
    </message>
    <message>
        <source>Champ sans vignettage à O2 :</source>
        <translation>Unvignetted field at O2:</translation>
    </message>
    <message>
        <source>Champ sans vignettage à O3 :</source>
        <translation>Unvignetted field at O3:</translation>
    </message>
    <message>
        <source>Champ sans vignettage à O3&apos; :</source>
        <translation>Unvignetted field at O3&apos;:</translation>
    </message>
    <message>
        <source>Champ sans vignettage :</source>
        <translation>Unvignetted field:</translation>
    </message>
    <message>
        <source>Échelle de l&apos;image =</source>
        <translation>Image scale =</translation>
    </message>
    <message>
        <source>Champ du capteur =</source>
        <translation>Field of the sensor =</translation>
    </message>
    <message>
        <source>Image du disque occulteur au 1er janvier =</source>
        <translation>Image of the occulting disc on 1 January =</translation>
    </message>
    <message>
        <source>Image du disque occulteur au 1er juillet =</source>
        <translation>Image of the occulting disc on 1 July =</translation>
    </message>
    <message>
        <source>Taille des pixels (µm) :</source>
        <translation>Pixel size (µm):</translation>
    </message>
    <message>
        <source>Capteur (pixels) : largeur</source>
        <translation>Sensor (pixels): width</translation>
    </message>
    <message>
        <source>hauteur</source>
        <translation>height</translation>
    </message>
    <message>
        <source>Diaphragme de Lyot</source>
        <translation>Lyot stop</translation>
    </message>
    <message>
        <source>Faites le diaphragme un peu plus petit que cette pupille (souvent 80 à 90 %) : voir l&apos;aide.</source>
        <translation>Make the Lyot stop a little smaller than this pupil (often 80 to 90 %): see the help.</translation>
    </message>
    <message>
        <source>Champ sans vignettage (R☉ : rayon solaire apparent)</source>
        <translation>Unvignetted field (R☉: apparent solar radius)</translation>
    </message>
    <message>
        <source>O3&apos; est compté à 50 mm derrière O3, l&apos;écart du dessin du montage.</source>
        <translation>O3&apos; is taken 50 mm behind O3, the spacing of the layout drawing.</translation>
    </message>
    <message>
        <source>Caméra au foyer final</source>
        <translation>Camera at the final focus</translation>
    </message>
    <message>
        <source>Calculer</source>
        <translation>Compute</translation>
    </message>
</context>
<context>
    <name>brelo::DiscPositionTracker</name>
    <message>
        <source>Copier la position</source>
        <translation>Copy the Position</translation>
    </message>
    <message>
        <source>Copie la position héliographique du point cliqué</source>
        <translation>Copies the heliographic position of the point clicked</translation>
    </message>
</context>
<context>
    <name>brelo::DiscTemplateDialog</name>
    <message>
        <source>Gabarit du disque</source>
        <translation>Disc Template</translation>
    </message>
    <message>
        <source>&amp;Imprimer…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>Exporter en &amp;PDF…</source>
        <translation>Export as &amp;PDF…</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Diamètre du disque sur le papier (mm) :</source>
        <translation>Diameter of the disc on paper (mm):</translation>
    </message>
    <message>
        <source>Gabarit impossible : le calcul des éphémérides de la page a échoué (voir le message en bas de la fenêtre).</source>
        <translation>No template: the page&apos;s ephemeris calculation failed (see the message at the foot of the window).</translation>
    </message>
    <message>
        <source>Gabarit envoyé à l&apos;impression : imprimez-le à 100 %, sans l&apos;ajuster à la page.</source>
        <translation>Template sent to the printer: print it at 100 %, without fitting it to the page.</translation>
    </message>
    <message>
        <source>Gabarit exporté dans « %1 ».</source>
        <translation>Template exported to “%1”.</translation>
    </message>
    <message>
        <source>Exporter le gabarit</source>
        <translation>Export the Template</translation>
    </message>
    <message>
        <source>gabarit-disque.pdf</source>
        <translation>disc-template.pdf</translation>
    </message>
    <message>
        <source>Document PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
</context>
<context>
    <name>brelo::DocPage</name>
    <message>
        <source>AIDE DU PROGRAMME</source>
        <translation>PROGRAM HELP</translation>
    </message>
    <message>
        <source>Construction du Coronographe</source>
        <translation>The Coronagraph (in French)</translation>
    </message>
    <message>
        <source>Construction du 1er Prototype</source>
        <translation>The First Prototype (in French)</translation>
    </message>
    <message>
        <source>Construction de la seconde version</source>
        <translation>The Second Version (in French)</translation>
    </message>
    <message>
        <source>Ouvrir le fichier HTML:</source>
        <translation>Open the HTML file:</translation>
    </message>
    <message>
        <source>Choisissez une rubrique ci dessus...</source>
        <translation>Choose a topic above...</translation>
    </message>
    <message>
        <source>Pas une page HTML</source>
        <translation>Not an HTML Page</translation>
    </message>
    <message>
        <source>&lt;p&gt;« &lt;b&gt;%1&lt;/b&gt; » n&apos;est pas une page HTML.&lt;/p&gt;&lt;p&gt;Cette page n&apos;ouvre que les pages HTML et les fichiers texte.&lt;/p&gt;</source>
        <translation>&lt;p&gt;“&lt;b&gt;%1&lt;/b&gt;” is not an HTML page.&lt;/p&gt;&lt;p&gt;This page opens HTML pages and text files only.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Lecture impossible</source>
        <translation>Cannot Read</translation>
    </message>
    <message>
        <source>&lt;p&gt;« &lt;b&gt;%1&lt;/b&gt; » ne peut pas être lu : %2.&lt;/p&gt;</source>
        <translation>&lt;p&gt;“&lt;b&gt;%1&lt;/b&gt;” cannot be read: %2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Le fichier &lt;b&gt;%1&lt;/b&gt; est introuvable.&lt;/p&gt;</source>
        <translation>&lt;p&gt;The file &lt;b&gt;%1&lt;/b&gt; cannot be found.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Cette page d&apos;aide a été cherchée dans :&lt;/p&gt;</source>
        <translation>&lt;p&gt;This help page was looked for in:&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Page introuvable</source>
        <translation>Page Not Found</translation>
    </message>
    <message>
        <source>Navigateur introuvable</source>
        <translation>No Web Browser</translation>
    </message>
    <message>
        <source>&lt;p&gt;BRELO n&apos;affiche pas les pages Internet et n&apos;a pas pu ouvrir &lt;b&gt;%1&lt;/b&gt; dans votre navigateur.&lt;/p&gt;</source>
        <translation>&lt;p&gt;BRELO does not show web pages, and it could not open &lt;b&gt;%1&lt;/b&gt; in your web browser.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>brelo::DrawingExport</name>
    <message>
        <source>Cette page n&apos;a pas de dessin : affichez la page « Calcul Optique » ou « Ephémérides Solaires ».</source>
        <translation>This page has no drawing: show the “Optical Design” or the “Solar Ephemeris” page.</translation>
    </message>
    <message>
        <source>Le train optique n&apos;a pas encore été dessiné : lancez d&apos;abord le calcul.</source>
        <translation>The optical train has not been drawn yet: run the calculation first.</translation>
    </message>
    <message>
        <source>train-optique</source>
        <translation>optical-train</translation>
    </message>
    <message>
        <source>Le disque solaire n&apos;a pas encore été dessiné : lancez d&apos;abord le calcul des éphémérides.</source>
        <translation>The solar disc has not been drawn yet: run the ephemeris calculation first.</translation>
    </message>
    <message>
        <source>disque-solaire</source>
        <translation>solar-disc</translation>
    </message>
</context>
<context>
    <name>brelo::EphemerisPage</name>
    <message>
        <source>Date: Année</source>
        <translation>Date: Year</translation>
    </message>
    <message>
        <source>Mois</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Jour</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Heures</source>
        <translation>Hours</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Latitude de l&apos;observateur:</source>
        <translation>Observer&apos;s latitude:</translation>
    </message>
    <message>
        <source>Longitude de l&apos;observateur (+ à l&apos;Est):</source>
        <translation>Observer&apos;s longitude (+ East):</translation>
    </message>
    <message>
        <source>Temps Universel (TU) :</source>
        <translation>Universal Time (UT):</translation>
    </message>
    <message>
        <source>Ascension Droite =</source>
        <translation>Right ascension =</translation>
    </message>
    <message>
        <source>Déclinaison =</source>
        <translation>Declination =</translation>
    </message>
    <message>
        <source>Angle horaire (+ vers W) =</source>
        <translation>Hour angle (+ to W) =</translation>
    </message>
    <message>
        <source>Hauteur =</source>
        <translation>Altitude =</translation>
    </message>
    <message>
        <source>Azimuth (0 S - 90 W) =</source>
        <translation>Azimuth (0 at S, 90 at W) =</translation>
    </message>
    <message>
        <source>Distance Terre-Soleil (U.A.) =</source>
        <translation>Earth-Sun distance (AU) =</translation>
    </message>
    <message>
        <source>Angle p (+ vers E) =</source>
        <translation>Position angle P (+ to E) =</translation>
    </message>
    <message>
        <source>Latitude héliocentrique B0 =</source>
        <translation>Heliographic latitude B0 =</translation>
    </message>
    <message>
        <source>Longitude héliocentrique L0 =</source>
        <translation>Heliographic longitude L0 =</translation>
    </message>
    <message>
        <source>Angle Nord - Zenith =</source>
        <translation>North-zenith angle =</translation>
    </message>
    <message>
        <source>Valeurs en entrée</source>
        <translation>Input values</translation>
    </message>
    <message>
        <source>Temps universel (TU)</source>
        <translation>Universal Time (UT)</translation>
    </message>
    <message>
        <source>Maintenant</source>
        <translation>Now</translation>
    </message>
    <message>
        <source>Calcul</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Période…</source>
        <translation>Period…</translation>
    </message>
    <message>
        <source>Éphémérides sur une période</source>
        <translation>Ephemeris over a Period</translation>
    </message>
    <message>
        <source>Journée…</source>
        <translation>Day…</translation>
    </message>
    <message>
        <source>Lever, passage au méridien et coucher du Soleil, et la courbe de sa hauteur</source>
        <translation>Sunrise, meridian transit and sunset, with the curve of the Sun&apos;s altitude</translation>
    </message>
    <message>
        <source>Heure locale :</source>
        <translation>Local time:</translation>
    </message>
    <message>
        <source>Rotation de Carrington :</source>
        <translation>Carrington rotation:</translation>
    </message>
    <message>
        <source>Ephémérides Solaires</source>
        <translation>Solar Ephemeris</translation>
    </message>
    <message>
        <source>Ephémérides Solaires — %1</source>
        <translation>Solar Ephemeris — %1</translation>
    </message>
    <message>
        <source>Rotation de Carrington : %1</source>
        <translation>Carrington rotation: %1</translation>
    </message>
</context>
<context>
    <name>brelo::FileMenu</name>
    <message>
        <source>Paramètres BRELO (*.dat)</source>
        <translation>BRELO parameters (*.dat)</translation>
    </message>
    <message>
        <source>Tous les fichiers (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Image PNG, taille de l&apos;écran (*.png)</source>
        <translation>PNG image, the screen size (*.png)</translation>
    </message>
    <message>
        <source>Image PNG, 2 × la taille de l&apos;écran (*.png)</source>
        <translation>PNG image, 2 × the screen size (*.png)</translation>
    </message>
    <message>
        <source>Image PNG, 4 × la taille de l&apos;écran (*.png)</source>
        <translation>PNG image, 4 × the screen size (*.png)</translation>
    </message>
    <message>
        <source>Dessin vectoriel SVG (*.svg)</source>
        <translation>SVG vector drawing (*.svg)</translation>
    </message>
    <message>
        <source>Document PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Imprimer sur fond &amp;blanc</source>
        <translation>Print on &amp;White</translation>
    </message>
    <message>
        <source>Le dessin imprimé sur fond blanc, ses autres couleurs gardées ; décoché, sur la couleur de l&apos;écran</source>
        <translation>The drawing printed on white, its other colours kept; unchecked, on the screen&apos;s colour</translation>
    </message>
    <message>
        <source>Ouvrir des paramètres</source>
        <translation>Open Parameters</translation>
    </message>
    <message>
        <source>Paramètres lus dans « %1 ».</source>
        <translation>Parameters read from “%1”.</translation>
    </message>
    <message>
        <source>Paramètres non enregistrés : %1</source>
        <translation>Parameters not saved: %1</translation>
    </message>
    <message>
        <source>Paramètres enregistrés dans « %1 ».</source>
        <translation>Parameters saved to “%1”.</translation>
    </message>
    <message>
        <source>Enregistrer les paramètres sous</source>
        <translation>Save Parameters As</translation>
    </message>
    <message>
        <source>Le dernier calcul de cette page a échoué (voir le message en bas de la fenêtre) : corrigez les valeurs et relancez le calcul avant d&apos;exporter, de copier ou d&apos;imprimer.</source>
        <translation>The last calculation on this page failed (see the message at the foot of the window): correct the values and run the calculation again before exporting, copying or printing.</translation>
    </message>
    <message>
        <source>Exporter le dessin</source>
        <translation>Export the Drawing</translation>
    </message>
    <message>
        <source>Dessin exporté dans « %1 ».</source>
        <translation>Drawing exported to “%1”.</translation>
    </message>
    <message>
        <source>calcul-optique.csv</source>
        <translation>optical-design.csv</translation>
    </message>
    <message>
        <source>ephemerides.csv</source>
        <translation>ephemeris.csv</translation>
    </message>
    <message>
        <source>Exporter les résultats</source>
        <translation>Export the Results</translation>
    </message>
    <message>
        <source>Tableau CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>Résultats exportés dans « %1 ».</source>
        <translation>Results exported to “%1”.</translation>
    </message>
    <message>
        <source>Pas encore de résultats sur cette page : lancez d&apos;abord le calcul.</source>
        <translation>No results on this page yet: run the calculation first.</translation>
    </message>
    <message>
        <source>Cette page n&apos;a pas de résultats : affichez la page « Calcul Optique » ou « Ephémérides Solaires ».</source>
        <translation>This page has no results: show the “Optical Design” or the “Solar Ephemeris” page.</translation>
    </message>
    <message>
        <source>Résultats copiés dans le presse-papiers.</source>
        <translation>Results copied to the clipboard.</translation>
    </message>
    <message>
        <source>Page envoyée à l&apos;impression.</source>
        <translation>Page sent to the printer.</translation>
    </message>
    <message>
        <source>&amp;Ouvrir des paramètres…</source>
        <translation>&amp;Open Parameters…</translation>
    </message>
    <message>
        <source>Lit un fichier de paramètres et remplit les treize champs</source>
        <translation>Reads a parameters file and fills in the thirteen fields</translation>
    </message>
    <message>
        <source>&amp;Enregistrer les paramètres</source>
        <translation>&amp;Save Parameters</translation>
    </message>
    <message>
        <source>Écrit les treize champs dans le fichier de paramètres</source>
        <translation>Writes the thirteen fields to the parameters file</translation>
    </message>
    <message>
        <source>Enregistrer &amp;sous…</source>
        <translation>Save &amp;As…</translation>
    </message>
    <message>
        <source>Écrit les treize champs dans un autre fichier</source>
        <translation>Writes the thirteen fields to another file</translation>
    </message>
    <message>
        <source>Exporter le &amp;dessin…</source>
        <translation>Export the &amp;Drawing…</translation>
    </message>
    <message>
        <source>Enregistre le dessin de la page en PNG, SVG ou PDF</source>
        <translation>Saves the page&apos;s drawing as PNG, SVG or PDF</translation>
    </message>
    <message>
        <source>Exporter les &amp;résultats (CSV)…</source>
        <translation>Export the &amp;Results (CSV)…</translation>
    </message>
    <message>
        <source>Enregistre les entrées et les résultats de la page dans un tableau CSV</source>
        <translation>Saves the page&apos;s inputs and results in a CSV table</translation>
    </message>
    <message>
        <source>&amp;Copier les résultats</source>
        <translation>&amp;Copy the Results</translation>
    </message>
    <message>
        <source>Copie les entrées et les résultats de la page dans le presse-papiers</source>
        <translation>Copies the page&apos;s inputs and results to the clipboard</translation>
    </message>
    <message>
        <source>&amp;Imprimer…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>Imprime les entrées, les résultats et le dessin de la page</source>
        <translation>Prints the page&apos;s inputs, results and drawing</translation>
    </message>
    <message>
        <source>Aperçu a&amp;vant impression…</source>
        <translation>Print Pre&amp;view…</translation>
    </message>
    <message>
        <source>Montre la page telle qu&apos;elle sera imprimée</source>
        <translation>Shows the page as it will be printed</translation>
    </message>
    <message>
        <source>&amp;Aide du programme</source>
        <translation>Program &amp;Help</translation>
    </message>
    <message>
        <source>Ouvre la page d&apos;aide dans l&apos;onglet Doc HTML</source>
        <translation>Opens the help page on the HTML Docs tab</translation>
    </message>
</context>
<context>
    <name>brelo::Form1</name>
    <message>
        <source>BRELO  -  Programme d&apos;Aide au Calcul d&apos;un Coronographe de Lyot  -  Calcul d&apos;éphémérides solaires</source>
        <translation>BRELO  -  Design Aid for a Lyot Coronagraph  -  Solar Ephemeris</translation>
    </message>
    <message>
        <source>Calcul Optique</source>
        <translation>Optical Design</translation>
    </message>
    <message>
        <source>Doc HTML</source>
        <translation>HTML Docs</translation>
    </message>
    <message>
        <source>Ephémérides Solaires</source>
        <translation>Solar Ephemeris</translation>
    </message>
    <message>
        <source>A Propos</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>Building</translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Affichage</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Imprimer un &amp;gabarit du disque…</source>
        <translation>Print a Disc &amp;Template…</translation>
    </message>
    <message>
        <source>Imprime ou exporte en PDF un disque à la vraie taille, orienté pour l&apos;instant de la page</source>
        <translation>Prints, or exports as PDF, a disc at true size, oriented for the page&apos;s instant</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
</context>
<context>
    <name>brelo::InstantLine</name>
    <message>
        <source>Heure locale : %1</source>
        <translation>Local time: %1</translation>
    </message>
</context>
<context>
    <name>brelo::LanguageMenu</name>
    <message>
        <source>Langue</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Automatique</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>La langue du bureau : anglais s&apos;il le demande avant le français, sinon français</source>
        <translation>The desktop&apos;s language: English if it asks for it before French, otherwise French</translation>
    </message>
</context>
<context>
    <name>brelo::LocalTime</name>
    <message>
        <source>%1 n&apos;existe pas dans le fuseau %2 (changement d&apos;heure).</source>
        <translation>%1 does not exist in the %2 time zone (clock change).</translation>
    </message>
    <message>
        <source>%1 a lieu deux fois dans le fuseau %2 (changement d&apos;heure) : à %3 TU puis à %4 TU.</source>
        <translation>%1 occurs twice in the %2 time zone (clock change): at %3 UT, then at %4 UT.</translation>
    </message>
</context>
<context>
    <name>brelo::OpticsPage</name>
    <message>
        <source>Lentille  O1  Focale=</source>
        <translation>Lens  O1  Focal length=</translation>
    </message>
    <message>
        <source>Diamètre=</source>
        <translation>Diameter=</translation>
    </message>
    <message>
        <source>Lentille 02   Focale=</source>
        <translation>Lens  O2  Focal length=</translation>
    </message>
    <message>
        <source>Distance A = Lentille O2 - Disque occulteur:</source>
        <translation>Distance A = Lens O2 - Occulting disc:</translation>
    </message>
    <message>
        <source>Objectif O3  Focale=</source>
        <translation>Lens  O3  Focal length=</translation>
    </message>
    <message>
        <source>Objectif O3&apos;  Focale=</source>
        <translation>Lens  O3&apos;  Focal length=</translation>
    </message>
    <message>
        <source>Distance (Lentille O2 - Diaphragme) B=</source>
        <translation>Distance (Lens O2 - Lyot stop) B=</translation>
    </message>
    <message>
        <source>Calcul intermédiaire x=</source>
        <translation>Intermediate result x=</translation>
    </message>
    <message>
        <source>Distance (Lentille O2 - Objectif O3) C=</source>
        <translation>Distance (Lens O2 - Lens O3) C=</translation>
    </message>
    <message>
        <source>Focale résultante =</source>
        <translation>Effective focal length =</translation>
    </message>
    <message>
        <source>Rapport F/D (à pleine ouverture du diaph.) =</source>
        <translation>F/D ratio (Lyot stop fully open) =</translation>
    </message>
    <message>
        <source>Diamètre mini disque occulteur =</source>
        <translation>Smallest occulting disc diameter =</translation>
    </message>
    <message>
        <source>Diamètre maxi disque occulteur =</source>
        <translation>Largest occulting disc diameter =</translation>
    </message>
    <message>
        <source>Valeurs en entrée</source>
        <translation>Input values</translation>
    </message>
    <message>
        <source>Objectifs O3 et O3&apos; identiques</source>
        <translation>Lenses O3 and O3&apos; identical</translation>
    </message>
    <message>
        <source>&amp;CALCUL</source>
        <translation>&amp;COMPUTE</translation>
    </message>
    <message>
        <source>Résultats</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Dimensions des disques occulteurs au cours de l&apos;année:</source>
        <translation>Occulting disc diameters through the year:</translation>
    </message>
    <message>
        <source>Dimensions de l&apos;image au foyer final du coronographe:</source>
        <translation>Image size at the coronagraph&apos;s final focus:</translation>
    </message>
    <message>
        <source>REMARQUES:</source>
        <translation>REMARKS:</translation>
    </message>
    <message>
        <source>Réglage manuel de l&apos;échelle</source>
        <translation>Manual scale setting</translation>
    </message>
    <message>
        <source>Tracé des chemins optiques</source>
        <translation>Draw the light paths</translation>
    </message>
    <message>
        <source>Calcul Optique — construction impossible : %1</source>
        <translation>Optical Design — no building figures: %1</translation>
    </message>
    <message>
        <source>calcul impossible : %1</source>
        <translation>calculation impossible: %1</translation>
    </message>
    <message>
        <source>Calcul Optique — %1</source>
        <translation>Optical Design — %1</translation>
    </message>
    <message>
        <source>REMARQUE: dessin impossible — %1</source>
        <translation>REMARK: drawing impossible — %1</translation>
    </message>
    <message>
        <source>dessin impossible : %1</source>
        <translation>drawing impossible: %1</translation>
    </message>
    <message>
        <source>une valeur est trop grande pour être dessinée.</source>
        <translation>a value is too large to be drawn.</translation>
    </message>
</context>
<context>
    <name>brelo::ParamsLoader</name>
    <message>
        <source>%1 ignoré : %2</source>
        <translation>%1 ignored: %2</translation>
    </message>
    <message>
        <source>le fichier ne peut pas être ouvert.</source>
        <translation>the file cannot be opened.</translation>
    </message>
    <message>
        <source>le fichier ne peut pas être lu.</source>
        <translation>the file cannot be read.</translation>
    </message>
    <message>
        <source>le fichier dépasse 1 Mio, ce n&apos;est pas un fichier de paramètres.</source>
        <translation>the file is over 1 MiB: it is not a parameters file.</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier texte.</source>
        <translation>it is not a text file.</translation>
    </message>
</context>
<context>
    <name>brelo::PeriodChart</name>
    <message>
        <source>%1 : aucune valeur sur la période</source>
        <translation>%1: no value over the period</translation>
    </message>
</context>
<context>
    <name>brelo::PeriodChartWindow</name>
    <message>
        <source>Graphique de la période</source>
        <translation>Period Chart</translation>
    </message>
    <message>
        <source>&amp;Exporter le graphique…</source>
        <translation>&amp;Export the Chart…</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Colonne :</source>
        <translation>Column:</translation>
    </message>
    <message>
        <source>graphique-periode</source>
        <translation>period-chart</translation>
    </message>
    <message>
        <source>une ligne sur %1 du tableau</source>
        <translation>one row in %1 of the table</translation>
    </message>
</context>
<context>
    <name>brelo::PeriodDialog</name>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>heures</source>
        <translation>hours</translation>
    </message>
    <message>
        <source>jours</source>
        <translation>days</translation>
    </message>
    <message>
        <source>Lieu de l&apos;observateur, repris de la page : latitude %1° %2&apos;, longitude %3° %4&apos; (+ à l&apos;Est)</source>
        <translation>Observer&apos;s place, taken from the page: latitude %1° %2&apos;, longitude %3° %4&apos; (+ East)</translation>
    </message>
    <message>
        <source>JJ/MM/AAAA HH:MM</source>
        <translation>DD/MM/YYYY HH:MM</translation>
    </message>
    <message>
        <source>Éphémérides sur une période</source>
        <translation>Ephemeris over a Period</translation>
    </message>
    <message>
        <source>&amp;Calculer le tableau</source>
        <translation>&amp;Compute the Table</translation>
    </message>
    <message>
        <source>&amp;Exporter en CSV…</source>
        <translation>&amp;Export as CSV…</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Temps universel (TU)</source>
        <translation>Universal Time (UT)</translation>
    </message>
    <message>
        <source>Heure locale (%1)</source>
        <translation>Local time (%1)</translation>
    </message>
    <message>
        <source>Début :</source>
        <translation>Start:</translation>
    </message>
    <message>
        <source>Fin :</source>
        <translation>End:</translation>
    </message>
    <message>
        <source>Pas :</source>
        <translation>Step:</translation>
    </message>
    <message>
        <source>Heures saisies en :</source>
        <translation>Times entered in:</translation>
    </message>
    <message>
        <source>Le début de la période</source>
        <translation>The start of the period</translation>
    </message>
    <message>
        <source>La fin de la période</source>
        <translation>The end of the period</translation>
    </message>
    <message>
        <source>La fin de la période (%1) précède son début (%2).</source>
        <translation>The end of the period (%1) comes before its start (%2).</translation>
    </message>
    <message>
        <source>%1 instants</source>
        <translation>%1 instants</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer « %1 » : %2.</source>
        <translation>Cannot save “%1”: %2.</translation>
    </message>
    <message>
        <source>Tableau exporté dans « %1 ».</source>
        <translation>Table exported to “%1”.</translation>
    </message>
    <message>
        <source>&amp;Graphique…</source>
        <translation>C&amp;hart…</translation>
    </message>
    <message>
        <source>Exporter le tableau</source>
        <translation>Export the Table</translation>
    </message>
    <message>
        <source>ephemerides-periode.csv</source>
        <translation>ephemeris-period.csv</translation>
    </message>
    <message>
        <source>Tableau CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
</context>
<context>
    <name>brelo::PeriodTableModel</name>
    <message>
        <source>Date et heure TU</source>
        <translation>Date and time UT</translation>
    </message>
    <message>
        <source>Heure locale</source>
        <translation>Local time</translation>
    </message>
    <message>
        <source>Ascension droite</source>
        <translation>Right ascension</translation>
    </message>
    <message>
        <source>Déclinaison</source>
        <translation>Declination</translation>
    </message>
    <message>
        <source>Angle horaire</source>
        <translation>Hour angle</translation>
    </message>
    <message>
        <source>Hauteur</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>Azimuth (0 S, 90 W)</source>
        <translation>Azimuth (0 at S, 90 at W)</translation>
    </message>
    <message>
        <source>Distance Terre-Soleil</source>
        <translation>Earth-Sun distance</translation>
    </message>
    <message>
        <source>Angle p (+ vers E)</source>
        <translation>Position angle P (+ to E)</translation>
    </message>
    <message>
        <source>Latitude héliocentrique BO</source>
        <translation>Heliographic latitude B0</translation>
    </message>
    <message>
        <source>Longitude héliocentrique L0</source>
        <translation>Heliographic longitude L0</translation>
    </message>
    <message>
        <source>Angle Nord-Zenith</source>
        <translation>North-zenith angle</translation>
    </message>
    <message>
        <source>Rotation de Carrington</source>
        <translation>Carrington rotation</translation>
    </message>
    <message>
        <source>Lever</source>
        <translation>Sunrise</translation>
    </message>
    <message>
        <source>Passage au méridien</source>
        <translation>Meridian transit</translation>
    </message>
    <message>
        <source>Coucher</source>
        <translation>Sunset</translation>
    </message>
    <message>
        <source>Hauteur au passage</source>
        <translation>Altitude at transit</translation>
    </message>
    <message>
        <source>Durée du jour</source>
        <translation>Day length</translation>
    </message>
</context>
<context>
    <name>brelo::PictureLabel</name>
    <message>
        <source>D.occ</source>
        <translation>Disc</translation>
    </message>
    <message>
        <source>Diaph.</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Foyer</source>
        <translation>Focus</translation>
    </message>
</context>
<context>
    <name>brelo::SunDayChart</name>
    <message>
        <source>Azimut</source>
        <translation>Azimuth</translation>
    </message>
    <message>
        <source>Journée du Soleil : —</source>
        <translation>Sunrise, transit and sunset: —</translation>
    </message>
    <message>
        <source>Heure (TU) du %1</source>
        <translation>Time (UT) on %1</translation>
    </message>
    <message>
        <source>Hauteur (°)</source>
        <translation>Altitude (°)</translation>
    </message>
    <message>
        <source>Azimut (°, 0 S, 90 W)</source>
        <translation>Azimuth (°, 0 S, 90 W)</translation>
    </message>
    <message>
        <source>Hauteur et azimut du Soleil le %1</source>
        <translation>The Sun&apos;s altitude and azimuth on %1</translation>
    </message>
    <message>
        <source>Horizon</source>
        <translation>Horizon</translation>
    </message>
    <message>
        <source>Hauteur</source>
        <translation>Altitude</translation>
    </message>
</context>
<context>
    <name>brelo::SunDayWindow</name>
    <message>
        <source>Lever :</source>
        <translation>Sunrise:</translation>
    </message>
    <message>
        <source>Passage au méridien :</source>
        <translation>Meridian transit:</translation>
    </message>
    <message>
        <source>Coucher :</source>
        <translation>Sunset:</translation>
    </message>
    <message>
        <source>Lever</source>
        <translation>Sunrise</translation>
    </message>
    <message>
        <source>Passage</source>
        <translation>Transit</translation>
    </message>
    <message>
        <source>Coucher</source>
        <translation>Sunset</translation>
    </message>
    <message>
        <source>Instant de la page (%1:%2 TU)</source>
        <translation>Page instant (%1:%2 UT)</translation>
    </message>
    <message>
        <source>Journée du Soleil</source>
        <translation>Sunrise, Transit and Sunset</translation>
    </message>
    <message>
        <source>Cliquez sur le graphique : son heure va dans les champs de la page, qui est recalculée.</source>
        <translation>Click the chart: its time goes into the page&apos;s fields, and the page is computed again.</translation>
    </message>
    <message>
        <source>Un clic sur le graphique porte son heure (TU) dans les champs de la page, qui est recalculée.</source>
        <translation>A click on the chart puts its time (UT) into the page&apos;s fields, and the page is computed again.</translation>
    </message>
    <message>
        <source>&amp;Exporter le graphique…</source>
        <translation>&amp;Export the Chart…</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>journee-soleil</source>
        <translation>sunrise-sunset</translation>
    </message>
    <message>
        <source>Temps universel (TU)</source>
        <translation>Universal Time (UT)</translation>
    </message>
    <message>
        <source>Hauteur au passage :</source>
        <translation>Altitude at transit:</translation>
    </message>
    <message>
        <source>Durée du jour :</source>
        <translation>Day length:</translation>
    </message>
    <message>
        <source>Heure locale (%1)</source>
        <translation>Local time (%1)</translation>
    </message>
    <message>
        <source>Journée du Soleil : %1</source>
        <translation>Sunrise, transit and sunset: %1</translation>
    </message>
</context>
<context>
    <name>brelo::TemplateSheet</name>
    <message>
        <source>Le gabarit de %1 mm (%2 mm avec ses marges, et ses lignes dessous) ne tient pas sur cette feuille : choisissez une feuille plus grande ou un diamètre plus petit.</source>
        <translation>The %1 mm template (%2 mm with its margins, and its lines below it) does not fit on this sheet: choose a larger sheet or a smaller diameter.</translation>
    </message>
    <message>
        <source>Gabarit du disque solaire</source>
        <translation>Solar disc template</translation>
    </message>
</context>
<context>
    <name>brelo::ViewMenu</name>
    <message>
        <source>Tracé paraxial des rayons</source>
        <translation>Paraxial Ray Trace</translation>
    </message>
    <message>
        <source>Dessine les rayons calculés, réfractés par chaque lentille, à la place du tracé schématique</source>
        <translation>Draws the computed rays, refracted by each lens, instead of the schematic ones</translation>
    </message>
    <message>
        <source>Disque orienté zénith en haut</source>
        <translation>Disc with the Zenith Up</translation>
    </message>
    <message>
        <source>Tourne le disque de l&apos;angle Nord-Zenith, comme le montre une monture azimutale</source>
        <translation>Turns the disc by the north-zenith angle, as an alt-azimuth mount shows it</translation>
    </message>
    <message>
        <source>Éphémérides sur une période…</source>
        <translation>Ephemeris over a Period…</translation>
    </message>
    <message>
        <source>Le tableau des éphémérides de l&apos;observateur, d&apos;un instant à un autre</source>
        <translation>The observer&apos;s ephemeris table, from one instant to another</translation>
    </message>
    <message>
        <source>Journée du Soleil…</source>
        <translation>Sunrise, Transit and Sunset…</translation>
    </message>
    <message>
        <source>Lever, passage et coucher du Soleil à la date de la page, et la courbe de sa hauteur</source>
        <translation>Sunrise, transit and sunset on the page&apos;s date, with the curve of the Sun&apos;s altitude</translation>
    </message>
</context>
<context>
    <name>brelo::WindowZoom</name>
    <message>
        <source>Zoom à %1 % refusé : la fenêtre ne tiendrait plus sur l&apos;écran.</source>
        <translation>Zoom to %1 % refused: the window would no longer fit on the screen.</translation>
    </message>
    <message>
        <source>Agrandir</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>Réduire</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>Taille normale</source>
        <translation>Normal Size</translation>
    </message>
</context>
<context>
    <name>brelo::ZoneLookup</name>
    <message>
        <source>fuseau vide (exemple : Europe/Paris)</source>
        <translation>empty time zone (for example: Europe/Paris)</translation>
    </message>
    <message>
        <source>fuseau inconnu : %1 (exemple : Europe/Paris)</source>
        <translation>unknown time zone: %1 (for example: Europe/Paris)</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>Usage : brelo-ephem --lat LATITUDE --lon LONGITUDE --from DÉBUT --to FIN [--step PAS]
                    [--tz FUSEAU] [--csv]
        brelo-ephem --days --lat LATITUDE --lon LONGITUDE --from DATE --to DATE [--tz FUSEAU]
                    [--csv]

Éphémérides du Soleil de BRELO sur une période : une ligne par instant, de DÉBUT à FIN
(FIN comprise quand un pas tombe dessus), au plus 5 000 000 lignes (au-delà, allongez le pas
ou raccourcissez la période). Chaque option se donne une seule fois.

  --lat LATITUDE   latitude de l&apos;observateur, en degrés décimaux (48.85 ou 48,85) ou en
                   degrés:minutes (48:51), pas les deux (48.5:30 est refusé) ; négative au
                   Sud, de -90 à 90.
  --lon LONGITUDE  longitude, positive à l&apos;Est, négative à l&apos;Ouest, de -180 à 180 ; &quot;-0:34&quot;
                   est 0° 34&apos; Ouest (les minutes prennent le signe des degrés).
  --from DÉBUT     date et heure du premier instant : AAAA-MM-JJTHH:MM (2027-03-20T06:00),
                   &quot;AAAA-MM-JJ HH:MM&quot; ou AAAA-MM-JJ (minuit) ; années 0000 à 9999.
  --to FIN         date et heure du dernier instant, mêmes formes.
  --step PAS       pas entre deux instants : 10min, 2h, 1d (ou 1j) ; 10min par défaut.
  --tz FUSEAU      fuseau horaire : un nom de la base des fuseaux du système (Europe/Paris,
                   America/New_York, CET) ou un décalage (UTC, UTC+02:00, -05:00). DÉBUT et
                   FIN sont alors lus en heure locale et l&apos;heure locale s&apos;ajoute au tableau.
                   Une heure sautée au passage à l&apos;heure d&apos;été est refusée ; une heure qui a
                   lieu deux fois au retour à l&apos;heure d&apos;hiver aussi : donnez alors le
                   décalage (--tz UTC+02:00) ou le temps universel. Sans --tz, tout est en
                   temps universel. Les instants se suivent au pas donné en temps universel.
  --csv            CSV en UTF-8 avec une ligne d&apos;en-tête : des nombres sans unité, l&apos;unité
                   dans le titre de la colonne ; séparateur « ; » et virgule décimale si la
                   langue du système l&apos;emploie, sinon « , » et point.
  --days           une ligne par jour, de la date de DÉBUT à celle de FIN (dates AAAA-MM-JJ,
                   sans heure ni --step) : date, lever, passage au méridien et coucher en TU,
                   hauteur au passage (°), durée du jour ; avec --tz, les trois heures aussi
                   en heure locale. Lever et coucher : centre du Soleil à -0.833° de hauteur
                   (réfraction et demi-diamètre). Jour et nuit polaires en toutes lettres ;
                   en CSV, les heures sont des dates et heures TU, la durée en heures.
  --help           cette aide.
  --version        la version du programme.

Colonnes : date et heure TU, heure locale (avec --tz), puis les textes de la page
« Ephémérides Solaires » de BRELO sans leur libellé : ascension droite, déclinaison, angle
horaire (+ vers l&apos;Ouest), hauteur, azimut (0 au Sud, 90 à l&apos;Ouest), distance Terre-Soleil,
angle P (+ vers l&apos;Est), B0, L0, angle Nord-Zénith q (négatif avant le passage au méridien,
positif après), et le numéro de rotation Carrington avec la fraction de la rotation écoulée
(trois décimales tronquées).

Précision, de 1800 à 2100 : environ 0.01° sur l&apos;ascension droite, la déclinaison, la hauteur
et l&apos;azimut, 0.03° sur P, B0 et q (Soleil à moins de 80° de hauteur), 0.2° sur L0 ; sans la
réfraction. Hors de ces années, un avertissement l&apos;écrit sur la sortie d&apos;erreur.

Code de sortie : 0 si tout est calculé, 1 si une ligne n&apos;a pu l&apos;être, 2 si les arguments
sont incorrects (un message d&apos;une ligne sur la sortie d&apos;erreur), 3 si le tableau n&apos;a pu être
écrit (disque plein, sortie fermée).
</source>
        <translation>Usage: brelo-ephem --lat LATITUDE --lon LONGITUDE --from START --to END [--step STEP]
                   [--tz ZONE] [--csv]
       brelo-ephem --days --lat LATITUDE --lon LONGITUDE --from DATE --to DATE [--tz ZONE]
                   [--csv]

BRELO&apos;s ephemeris of the Sun over a period: one row per instant, from START to END
(END included when a step lands on it), at most 5,000,000 rows (beyond that, lengthen the
step or shorten the period). Each option is given only once.

  --lat LATITUDE   the observer&apos;s latitude, in decimal degrees (48.85 or 48,85) or in
                   degrees:minutes (48:51), not both (48.5:30 is refused); negative to the
                   South, from -90 to 90.
  --lon LONGITUDE  longitude, positive to the East, negative to the West, from -180 to 180;
                   &quot;-0:34&quot; is 0° 34&apos; West (the minutes take the sign of the degrees).
  --from START     date and time of the first instant: YYYY-MM-DDTHH:MM (2027-03-20T06:00),
                   &quot;YYYY-MM-DD HH:MM&quot; or YYYY-MM-DD (midnight); years 0000 to 9999.
  --to END         date and time of the last instant, in the same forms.
  --step STEP      step between two instants: 10min, 2h, 1d; 10min by default.
  --tz ZONE        time zone: a name from the system&apos;s time zone database (Europe/Paris,
                   America/New_York, CET) or an offset (UTC, UTC+02:00, -05:00). START and
                   END are then read as local times, and the local time is added to the table.
                   A time skipped when the clocks go forward is refused; so is a time that
                   occurs twice when they go back: then give the offset (--tz UTC+02:00) or
                   Universal Time. Without --tz, everything is in Universal Time. The
                   instants follow one another at the given step in Universal Time.
  --csv            CSV in UTF-8 with a heading row: numbers without units, the unit in the
                   column&apos;s title; &quot;;&quot; as separator and a decimal comma if the system&apos;s
                   language uses one, otherwise &quot;,&quot; and a decimal point.
  --days           one row per day, from the date of START to that of END (YYYY-MM-DD dates,
                   without a time or --step): date, sunrise, meridian transit and sunset in
                   UT, altitude at transit (°), day length; with --tz, the three times in
                   local time as well. Sunrise and sunset: centre of the Sun at -0.833°
                   altitude (refraction and semi-diameter). Polar day and night in words; in
                   CSV, the times are UT dates and times, the day length in hours.
  --help           this help.
  --version        the program&apos;s version.

Columns: date and time UT, local time (with --tz), then the texts of BRELO&apos;s &quot;Solar
Ephemeris&quot; page without their captions: right ascension, declination, hour angle (+ to
the West), altitude, azimuth (0 at South, 90 at West), Earth-Sun distance, position angle
P (+ to the East), B0, L0, north-zenith angle q (negative before meridian transit,
positive after), and the Carrington rotation number with the fraction of the rotation
elapsed (three decimals, cut, not rounded).

Accuracy, from 1800 to 2100: about 0.01° in right ascension, declination, altitude and
azimuth, 0.03° in P, B0 and q (Sun less than 80° high), 0.2° in L0; without refraction.
Outside those years, a warning says so on the error output.

Exit code: 0 if everything is computed, 1 if a row could not be, 2 if the arguments are
incorrect (a one-line message on the error output), 3 if the table could not be written
(disk full, output closed).
</translation>
    </message>
    <message>
        <source>brelo-ephem : %1</source>
        <translation>brelo-ephem: %1</translation>
    </message>
    <message>
        <source>plus de place sur le disque</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>la sortie a été fermée</source>
        <translation>the output was closed</translation>
    </message>
    <message>
        <source>erreur d&apos;entrée-sortie</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>le tableau n&apos;a pu être écrit sur la sortie standard (%1).</source>
        <translation>the table could not be written to the standard output (%1).</translation>
    </message>
    <message>
        <source>erreur %1</source>
        <translation>error %1</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>« %1 »</source>
        <translation>&quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 (%2) n&apos;est pas un angle en degrés (48.85 ou 48:51).</source>
        <translation>%1 (%2) is not an angle in degrees (48.85 or 48:51).</translation>
    </message>
    <message>
        <source>%1 (%2) a des degrés décimaux et des minutes : écrivez soit des degrés décimaux (48.85), soit degrés:minutes (48:51).</source>
        <translation>%1 (%2) has both decimal degrees and minutes: write either decimal degrees (48.85) or degrees:minutes (48:51).</translation>
    </message>
    <message>
        <source>%1 (%2) a des minutes hors de 0 à 60 (60 exclu) ; le signe se met devant les degrés (-0:34).</source>
        <translation>%1 (%2) has minutes outside 0 to 60 (60 excluded); the sign goes before the degrees (-0:34).</translation>
    </message>
    <message>
        <source>%1 (%2) doit rester entre -%3 et %3 degrés.</source>
        <translation>%1 (%2) must stay between -%3 and %3 degrees.</translation>
    </message>
    <message>
        <source>le pas (%1) s&apos;écrit comme 10min, 2h ou 1d.</source>
        <translation>the step (%1) is written like 10min, 2h or 1d.</translation>
    </message>
    <message>
        <source>le pas (%1) doit valoir au moins 1.</source>
        <translation>the step (%1) must be at least 1.</translation>
    </message>
    <message>
        <source>%1 (%2) s&apos;écrit AAAA-MM-JJTHH:MM, par exemple 2027-03-20T06:00.</source>
        <translation>%1 (%2) is written YYYY-MM-DDTHH:MM, for example 2027-03-20T06:00.</translation>
    </message>
    <message>
        <source>%1 (%2) n&apos;est pas une date et une heure qui existent.</source>
        <translation>%1 (%2) is not a date and time that exist.</translation>
    </message>
    <message>
        <source>option inconnue « %1 » (brelo-ephem --help pour l&apos;aide).</source>
        <translation>unknown option &quot;%1&quot; (brelo-ephem --help for help).</translation>
    </message>
    <message>
        <source>l&apos;option --%1 attend une valeur.</source>
        <translation>option --%1 needs a value.</translation>
    </message>
    <message>
        <source>ligne de commande incorrecte (brelo-ephem --help pour l&apos;aide).</source>
        <translation>incorrect command line (brelo-ephem --help for help).</translation>
    </message>
    <message>
        <source>l&apos;option --%1 est donnée %2 fois ; donnez-la une seule fois.</source>
        <translation>option --%1 is given %2 times; give it only once.</translation>
    </message>
    <message>
        <source> Choisissez avec --tz %1 ou --tz %2.</source>
        <translation> Choose with --tz %1 or --tz %2.</translation>
    </message>
    <message>
        <source>%1 tombe à %2 TU, entre deux minutes : les instants vont de minute en minute TU.</source>
        <translation>%1 falls at %2 UT, between two minutes: the instants go from minute to minute in UT.</translation>
    </message>
    <message>
        <source>la fin de la période (%1) précède son début (%2).</source>
        <translation>the end of the period (%1) comes before its start (%2).</translation>
    </message>
    <message>
        <source>l&apos;option --step ne va pas avec --days (une ligne par jour).</source>
        <translation>option --step does not go with --days (one row a day).</translation>
    </message>
    <message>
        <source>%1 (%2) : avec --days, donnez une date sans heure (AAAA-MM-JJ).</source>
        <translation>%1 (%2): with --days, give a date without a time (YYYY-MM-DD).</translation>
    </message>
    <message>
        <source>argument inattendu « %1 » (brelo-ephem --help pour l&apos;aide).</source>
        <translation>unexpected argument &quot;%1&quot; (brelo-ephem --help for help).</translation>
    </message>
    <message>
        <source>l&apos;option --%1 manque (brelo-ephem --help pour l&apos;aide).</source>
        <translation>option --%1 is missing (brelo-ephem --help for help).</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Lever</source>
        <translation>Sunrise</translation>
    </message>
    <message>
        <source>Lever (TU)</source>
        <translation>Sunrise (UT)</translation>
    </message>
    <message>
        <source>Passage</source>
        <translation>Transit</translation>
    </message>
    <message>
        <source>Passage (TU)</source>
        <translation>Transit (UT)</translation>
    </message>
    <message>
        <source>Coucher</source>
        <translation>Sunset</translation>
    </message>
    <message>
        <source>Coucher (TU)</source>
        <translation>Sunset (UT)</translation>
    </message>
    <message>
        <source>Hauteur au passage</source>
        <translation>Transit altitude</translation>
    </message>
    <message>
        <source>Hauteur au passage (°)</source>
        <translation>Transit altitude (°)</translation>
    </message>
    <message>
        <source>Durée du jour</source>
        <translation>Day length</translation>
    </message>
    <message>
        <source>Durée du jour (h)</source>
        <translation>Day length (h)</translation>
    </message>
    <message>
        <source>Ascension droite</source>
        <translation>Right ascension</translation>
    </message>
    <message>
        <source>Déclinaison</source>
        <translation>Declination</translation>
    </message>
    <message>
        <source>Déclinaison (°)</source>
        <translation>Declination (°)</translation>
    </message>
    <message>
        <source>Angle horaire</source>
        <translation>Hour angle</translation>
    </message>
    <message>
        <source>Hauteur</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>Hauteur (°)</source>
        <translation>Altitude (°)</translation>
    </message>
    <message>
        <source>Azimut (0 S, 90 O)</source>
        <translation>Azimuth (0 S, 90 W)</translation>
    </message>
    <message>
        <source>Azimut (°, 0 S, 90 O)</source>
        <translation>Azimuth (°, 0 S, 90 W)</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Distance (U.A.)</source>
        <translation>Distance (AU)</translation>
    </message>
    <message>
        <source>Angle P</source>
        <translation>P angle</translation>
    </message>
    <message>
        <source>Angle P (°)</source>
        <translation>P angle (°)</translation>
    </message>
    <message>
        <source>B0 (°)</source>
        <translation>B0 (°)</translation>
    </message>
    <message>
        <source>L0 (°)</source>
        <translation>L0 (°)</translation>
    </message>
    <message>
        <source>Angle Nord-Zénith</source>
        <translation>North-zenith angle</translation>
    </message>
    <message>
        <source>Angle Nord-Zénith (°)</source>
        <translation>North-zenith angle (°)</translation>
    </message>
    <message>
        <source>Rotation Carrington</source>
        <translation>Carrington rotation</translation>
    </message>
    <message>
        <source>Date et heure TU</source>
        <translation>Date and time UT</translation>
    </message>
    <message>
        <source>Heure locale (%1)</source>
        <translation>Local time (%1)</translation>
    </message>
</context>
<context>
    <name>drawing</name>
    <message>
        <source>Gabarit impossible : %1</source>
        <translation>No template: %1</translation>
    </message>
    <message>
        <source>%1%2 doit être compris entre 20 et 250 mm.</source>
        <translation>%1%2 must be between 20 and 250 mm.</translation>
    </message>
    <message>
        <source>Date et heure : %1</source>
        <translation>Date and time: %1</translation>
    </message>
    <message>
        <source>Rotation de Carrington : %1</source>
        <translation>Carrington rotation: %1</translation>
    </message>
    <message>
        <source>Lieu : latitude %1° %2&apos;, longitude %3° %4&apos; (+ à l&apos;Est)</source>
        <translation>Place: latitude %1° %2&apos;, longitude %3° %4&apos; (+ East)</translation>
    </message>
    <message>
        <source>Zénith en haut : angle Nord-Zénith = %1°</source>
        <translation>Zenith up: north-zenith angle = %1°</translation>
    </message>
    <message>
        <source>Observateur : %1</source>
        <translation>Observer: %1</translation>
    </message>
    <message>
        <source>Seeing : %1</source>
        <translation>Seeing: %1</translation>
    </message>
    <message>
        <source>Instrument : %1</source>
        <translation>Instrument: %1</translation>
    </message>
    <message>
        <source>hors du disque</source>
        <translation>off the disc</translation>
    </message>
</context>
<context>
    <name>ephemeris</name>
    <message>
        <source> U.A.</source>
        <translation> AU</translation>
    </message>
    <message>
        <source>%1 TU</source>
        <translation>%1 UT</translation>
    </message>
    <message>
        <source>La précision annoncée dans l&apos;aide vaut pour les années %1 à %2 ; hors de cette période, les écarts peuvent être plus grands.</source>
        <translation>The accuracy stated in the help holds for the years %1 to %2; outside them, the errors may be larger.</translation>
    </message>
    <message>
        <source>Calcul impossible : %1</source>
        <translation>Calculation impossible: %1</translation>
    </message>
    <message>
        <source>la date, l&apos;heure ou la position donnent des valeurs hors limites.</source>
        <translation>the date, time or position give values out of range.</translation>
    </message>
    <message>
        <source>Ascension droite = %1</source>
        <translation>Right ascension = %1</translation>
    </message>
    <message>
        <source>Déclinaison = %1°</source>
        <translation>Declination = %1°</translation>
    </message>
    <message>
        <source>Hauteur = %1°</source>
        <translation>Altitude = %1°</translation>
    </message>
    <message>
        <source>Azimuth (0 S, 90 W) = %1°</source>
        <translation>Azimuth (0 at S, 90 at W) = %1°</translation>
    </message>
    <message>
        <source>Distance Terre-Soleil = %1 U.A.</source>
        <translation>Earth-Sun distance = %1 AU</translation>
    </message>
    <message>
        <source>Angle p (+ vers E) = %1°</source>
        <translation>Position angle P (+ to E) = %1°</translation>
    </message>
    <message>
        <source>Latitude héliocentrique BO = %1°</source>
        <translation>Heliographic latitude B0 = %1°</translation>
    </message>
    <message>
        <source>Longitude héliocentrique L0 = %1°</source>
        <translation>Heliographic longitude L0 = %1°</translation>
    </message>
    <message>
        <source>Angle Nord-Zenith = %1°</source>
        <translation>North-zenith angle = %1°</translation>
    </message>
    <message>
        <source>Angle horaire = %1° = %2</source>
        <translation>Hour angle = %1° = %2</translation>
    </message>
    <message>
        <source>janvier</source>
        <translation>January</translation>
    </message>
    <message>
        <source>février</source>
        <translation>February</translation>
    </message>
    <message>
        <source>mars</source>
        <translation>March</translation>
    </message>
    <message>
        <source>avril</source>
        <translation>April</translation>
    </message>
    <message>
        <source>mai</source>
        <translation>May</translation>
    </message>
    <message>
        <source>juin</source>
        <translation>June</translation>
    </message>
    <message>
        <source>juillet</source>
        <translation>July</translation>
    </message>
    <message>
        <source>août</source>
        <translation>August</translation>
    </message>
    <message>
        <source>septembre</source>
        <translation>September</translation>
    </message>
    <message>
        <source>octobre</source>
        <translation>October</translation>
    </message>
    <message>
        <source>novembre</source>
        <translation>November</translation>
    </message>
    <message>
        <source>décembre</source>
        <translation>December</translation>
    </message>
    <message>
        <source>%1 (minutes)%2 doit être comprise entre 0 et 60.</source>
        <translation>%1 (minutes)%2 must be between 0 and 60.</translation>
    </message>
    <message>
        <source>%1%2 doit être comprise entre -%3 et %3.</source>
        <translation>%1%2 must be between -%3 and %3.</translation>
    </message>
    <message>
        <source>%1%2 doit être un nombre entier.</source>
        <translation>%1%2 must be a whole number.</translation>
    </message>
    <message>
        <source>%1%2 doit être un nombre entier de 1 à 12.</source>
        <translation>%1%2 must be a whole number from 1 to 12.</translation>
    </message>
    <message>
        <source>%1%2 doit être un nombre entier de 1 à %3 (%4).</source>
        <translation>%1%2 must be a whole number from 1 to %3 (%4).</translation>
    </message>
    <message>
        <source>%1%2 doit être un nombre entier de 0 à 24 (24 seulement avec 0 minute).</source>
        <translation>%1%2 must be a whole number from 0 to 24 (24 only with 0 minutes).</translation>
    </message>
    <message>
        <source>%1%2 doit être un nombre entier de 0 à 59.</source>
        <translation>%1%2 must be a whole number from 0 to 59.</translation>
    </message>
    <message>
        <source>La fin de la période (%1) précède son début (%2).</source>
        <translation>The end of the period (%1) comes before its start (%2).</translation>
    </message>
    <message>
        <source>La période compte %1 jours, plus que les %2 d&apos;un tableau : raccourcissez la période.</source>
        <translation>The period has %1 days, more than the %2 of a table: shorten the period.</translation>
    </message>
    <message>
        <source>Ascension droite (h)</source>
        <translation>Right ascension (h)</translation>
    </message>
    <message>
        <source>Déclinaison (°)</source>
        <translation>Declination (°)</translation>
    </message>
    <message>
        <source>Angle horaire (°, + vers W)</source>
        <translation>Hour angle (°, + to W)</translation>
    </message>
    <message>
        <source>Hauteur (°)</source>
        <translation>Altitude (°)</translation>
    </message>
    <message>
        <source>Azimuth (°, 0 S, 90 W)</source>
        <translation>Azimuth (°, 0 S, 90 W)</translation>
    </message>
    <message>
        <source>Distance Terre-Soleil (U.A.)</source>
        <translation>Earth-Sun distance (AU)</translation>
    </message>
    <message>
        <source>Angle p (°, + vers E)</source>
        <translation>Position angle P (°, + to E)</translation>
    </message>
    <message>
        <source>Latitude héliocentrique B0 (°)</source>
        <translation>Heliographic latitude B0 (°)</translation>
    </message>
    <message>
        <source>Longitude héliocentrique L0 (°)</source>
        <translation>Heliographic longitude L0 (°)</translation>
    </message>
    <message>
        <source>Angle Nord-Zenith (°)</source>
        <translation>North-zenith angle (°)</translation>
    </message>
    <message>
        <source>Rotation de Carrington</source>
        <translation>Carrington rotation</translation>
    </message>
    <message>
        <source>Lever (h TU)</source>
        <translation>Sunrise (h UT)</translation>
    </message>
    <message>
        <source>Passage au méridien (h TU)</source>
        <translation>Meridian transit (h UT)</translation>
    </message>
    <message>
        <source>Coucher (h TU)</source>
        <translation>Sunset (h UT)</translation>
    </message>
    <message>
        <source>Hauteur au passage (°)</source>
        <translation>Altitude at transit (°)</translation>
    </message>
    <message>
        <source>Durée du jour (h)</source>
        <translation>Day length (h)</translation>
    </message>
    <message>
        <source>Le début de la période (%1) n&apos;est pas une date et une heure qui existent.</source>
        <translation>The start of the period (%1) is not a date and time that exist.</translation>
    </message>
    <message>
        <source>La fin de la période (%1) n&apos;est pas une date et une heure qui existent.</source>
        <translation>The end of the period (%1) is not a date and time that exist.</translation>
    </message>
    <message>
        <source>Le pas (%1) doit valoir au moins 1.</source>
        <translation>The step (%1) must be at least 1.</translation>
    </message>
    <message>
        <source>Le pas (%1) est trop grand.</source>
        <translation>The step (%1) is too large.</translation>
    </message>
    <message>
        <source>La période compte %1 instants, plus que les %2 d&apos;un tableau : allongez le pas ou raccourcissez la période.</source>
        <translation>The period has %1 instants, more than the %2 of a table: lengthen the step or shorten the period.</translation>
    </message>
    <message>
        <source>le lever et le coucher du Soleil ne se calculent que du 1er janvier -8000 au 31 décembre 12000.</source>
        <translation>sunrise and sunset are computed only from 1 January -8000 to 31 December 12000.</translation>
    </message>
    <message>
        <source>%1 (%2° %3&apos;) n&apos;est pas comprise entre -%4° et %4°.</source>
        <translation>%1 (%2° %3&apos;) is not between -%4° and %4°.</translation>
    </message>
    <message>
        <source>%1 (la veille)</source>
        <translation>%1 (the day before)</translation>
    </message>
    <message>
        <source>%1 (le lendemain)</source>
        <translation>%1 (the day after)</translation>
    </message>
    <message>
        <source>Journée du %1 à latitude %2° %3&apos;, longitude %4° %5&apos; (+ à l&apos;Est)</source>
        <translation>The day of %1 at latitude %2° %3&apos;, longitude %4° %5&apos; (+ East)</translation>
    </message>
    <message>
        <source>Soleil levé toute la journée</source>
        <translation>Sun up all day</translation>
    </message>
    <message>
        <source>Soleil couché toute la journée</source>
        <translation>Sun down all day</translation>
    </message>
    <message>
        <source>Pas de lever : Soleil levé depuis la veille</source>
        <translation>No sunrise: Sun up since the day before</translation>
    </message>
    <message>
        <source>Pas de coucher : Soleil levé jusqu&apos;au lendemain</source>
        <translation>No sunset: Sun up until the day after</translation>
    </message>
    <message>
        <source>%1%2 doit s&apos;écrire JJ/MM/AAAA HH:MM, par exemple 05/03/2027 08:00.</source>
        <translation>%1%2 must be written DD/MM/YYYY HH:MM, for example 05/03/2027 08:00.</translation>
    </message>
    <message>
        <source>%1%2 n&apos;existe pas : %3.</source>
        <translation>%1%2 does not exist: %3.</translation>
    </message>
    <message>
        <source>l&apos;année va de -32767 à 32767</source>
        <translation>the year goes from -32767 to 32767</translation>
    </message>
    <message>
        <source>le mois va de 1 à 12</source>
        <translation>the month goes from 1 to 12</translation>
    </message>
    <message>
        <source>%1 %2 compte %3 jours</source>
        <translation>%1 %2 has %3 days</translation>
    </message>
    <message>
        <source>l&apos;heure va de 0 à 23</source>
        <translation>the hour goes from 0 to 23</translation>
    </message>
    <message>
        <source>la minute va de 0 à 59</source>
        <translation>the minute goes from 0 to 59</translation>
    </message>
</context>
<context>
    <name>fields</name>
    <message>
        <source>la latitude</source>
        <translation>the latitude</translation>
    </message>
    <message>
        <source>la longitude</source>
        <translation>the longitude</translation>
    </message>
    <message>
        <source>le diamètre du disque</source>
        <translation>the disc&apos;s diameter</translation>
    </message>
    <message>
        <source>l&apos;année</source>
        <translation>the year</translation>
    </message>
    <message>
        <source>le mois</source>
        <translation>the month</translation>
    </message>
    <message>
        <source>le jour</source>
        <translation>the day</translation>
    </message>
    <message>
        <source>l&apos;heure</source>
        <translation>the hour</translation>
    </message>
    <message>
        <source>la minute</source>
        <translation>the minute</translation>
    </message>
    <message>
        <source>la latitude (minutes)</source>
        <translation>the latitude (minutes)</translation>
    </message>
    <message>
        <source>la latitude (degrés)</source>
        <translation>the latitude (degrees)</translation>
    </message>
    <message>
        <source>la longitude (minutes)</source>
        <translation>the longitude (minutes)</translation>
    </message>
    <message>
        <source>la longitude (degrés)</source>
        <translation>the longitude (degrees)</translation>
    </message>
    <message>
        <source>la focale de O1</source>
        <translation>the focal length of O1</translation>
    </message>
    <message>
        <source>le diamètre de O1</source>
        <translation>the diameter of O1</translation>
    </message>
    <message>
        <source>la focale de O2</source>
        <translation>the focal length of O2</translation>
    </message>
    <message>
        <source>le diamètre de O2</source>
        <translation>the diameter of O2</translation>
    </message>
    <message>
        <source>la distance A</source>
        <translation>distance A</translation>
    </message>
    <message>
        <source>la focale de O3</source>
        <translation>the focal length of O3</translation>
    </message>
    <message>
        <source>le diamètre de O3</source>
        <translation>the diameter of O3</translation>
    </message>
    <message>
        <source>la focale de O3&apos;</source>
        <translation>the focal length of O3&apos;</translation>
    </message>
    <message>
        <source>le diamètre de O3&apos;</source>
        <translation>the diameter of O3&apos;</translation>
    </message>
    <message>
        <source>la taille des pixels</source>
        <translation>the pixel size</translation>
    </message>
    <message>
        <source>la largeur du capteur</source>
        <translation>the sensor&apos;s width</translation>
    </message>
    <message>
        <source>la hauteur du capteur</source>
        <translation>the sensor&apos;s height</translation>
    </message>
</context>
<context>
    <name>formats</name>
    <message>
        <source>Champ sans vignettage</source>
        <translation>Unvignetted field</translation>
    </message>
    <message>
        <source>Champ sans vignettage à %1 (R☉)</source>
        <translation>Unvignetted field at %1 (R☉)</translation>
    </message>
    <message>
        <source>Champ sans vignettage de l&apos;instrument (R☉)</source>
        <translation>Unvignetted field of the instrument (R☉)</translation>
    </message>
    <message>
        <source>Caméra au foyer final</source>
        <translation>Camera at the final focus</translation>
    </message>
    <message>
        <source>Échelle de l&apos;image (″/pixel)</source>
        <translation>Image scale (″/pixel)</translation>
    </message>
    <message>
        <source>Champ du capteur, largeur (R☉)</source>
        <translation>Field of the sensor, width (R☉)</translation>
    </message>
    <message>
        <source>Champ du capteur, hauteur (R☉)</source>
        <translation>Field of the sensor, height (R☉)</translation>
    </message>
    <message>
        <source>Champ du capteur, largeur (minutes d&apos;arc)</source>
        <translation>Field of the sensor, width (arcminutes)</translation>
    </message>
    <message>
        <source>Champ du capteur, hauteur (minutes d&apos;arc)</source>
        <translation>Field of the sensor, height (arcminutes)</translation>
    </message>
    <message>
        <source>Image du disque occulteur au 1er janvier (pixels)</source>
        <translation>Image of the occulting disc on 1 January (pixels)</translation>
    </message>
    <message>
        <source>Image du disque occulteur au 1er juillet (pixels)</source>
        <translation>Image of the occulting disc on 1 July (pixels)</translation>
    </message>
    <message>
        <source>Champ sans vignettage sur le capteur</source>
        <translation>Unvignetted field on the sensor</translation>
    </message>
    <message>
        <source>Capteur et image du disque occulteur</source>
        <translation>Sensor and image of the occulting disc</translation>
    </message>
    <message>
        <source>Diamètre de la pupille au diaphragme (mm)</source>
        <translation>Pupil diameter at the Lyot stop (mm)</translation>
    </message>
    <message>
        <source>Taille des pixels (µm)</source>
        <translation>Pixel size (µm)</translation>
    </message>
    <message>
        <source>Largeur du capteur (pixels)</source>
        <translation>Sensor width (pixels)</translation>
    </message>
    <message>
        <source>Hauteur du capteur (pixels)</source>
        <translation>Sensor height (pixels)</translation>
    </message>
    <message>
        <source>%1 : focale %2, diamètre %3</source>
        <translation>%1: focal length %2, diameter %3</translation>
    </message>
    <message>
        <source>distance A = %1</source>
        <translation>distance A = %1</translation>
    </message>
    <message>
        <source>%1 · %2 (longueurs en mm)</source>
        <translation>%1 · %2 (lengths in mm)</translation>
    </message>
    <message>
        <source>brelo.dat ignoré : aucune valeur trouvée, %1 attendues.</source>
        <translation>brelo.dat ignored: no value found, %1 expected.</translation>
    </message>
    <message>
        <source>brelo.dat ignoré : 1 valeur trouvée, %1 attendues.</source>
        <translation>brelo.dat ignored: 1 value found, %1 expected.</translation>
    </message>
    <message>
        <source>brelo.dat ignoré : %2 valeurs trouvées, %1 attendues.</source>
        <translation>brelo.dat ignored: %2 values found, %1 expected.</translation>
    </message>
    <message>
        <source>brelo.dat : %1 valeurs trouvées, seules les %2 premières sont lues — les décimales s&apos;écrivent avec un point, la virgule sépare les valeurs.</source>
        <translation>brelo.dat: %1 values found, only the first %2 are read — decimals are written with a point, the comma separates the values.</translation>
    </message>
    <message>
        <source>brelo.dat ignoré : les %1 valeurs sont vides.</source>
        <translation>brelo.dat ignored: all %1 values are empty.</translation>
    </message>
    <message>
        <source>Grandeur</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Texte affiché</source>
        <translation>Text shown</translation>
    </message>
    <message>
        <source>Valeur</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Focale de O1 (mm)</source>
        <translation>Focal length of O1 (mm)</translation>
    </message>
    <message>
        <source>Diamètre de O1 (mm)</source>
        <translation>Diameter of O1 (mm)</translation>
    </message>
    <message>
        <source>Focale de O2 (mm)</source>
        <translation>Focal length of O2 (mm)</translation>
    </message>
    <message>
        <source>Diamètre de O2 (mm)</source>
        <translation>Diameter of O2 (mm)</translation>
    </message>
    <message>
        <source>Distance A (mm)</source>
        <translation>Distance A (mm)</translation>
    </message>
    <message>
        <source>Focale de O3 (mm)</source>
        <translation>Focal length of O3 (mm)</translation>
    </message>
    <message>
        <source>Diamètre de O3 (mm)</source>
        <translation>Diameter of O3 (mm)</translation>
    </message>
    <message>
        <source>Focale de O3&apos; (mm)</source>
        <translation>Focal length of O3&apos; (mm)</translation>
    </message>
    <message>
        <source>Diamètre de O3&apos; (mm)</source>
        <translation>Diameter of O3&apos; (mm)</translation>
    </message>
    <message>
        <source>Distance B (mm)</source>
        <translation>Distance B (mm)</translation>
    </message>
    <message>
        <source>Calcul intermédiaire x (mm)</source>
        <translation>Intermediate result x (mm)</translation>
    </message>
    <message>
        <source>Distance C (mm)</source>
        <translation>Distance C (mm)</translation>
    </message>
    <message>
        <source>Focale résultante (mm)</source>
        <translation>Effective focal length (mm)</translation>
    </message>
    <message>
        <source>Rapport F/D</source>
        <translation>F/D ratio</translation>
    </message>
    <message>
        <source>Diamètre mini disque occulteur (mm)</source>
        <translation>Smallest occulting disc diameter (mm)</translation>
    </message>
    <message>
        <source>Diamètre maxi disque occulteur (mm)</source>
        <translation>Largest occulting disc diameter (mm)</translation>
    </message>
    <message>
        <source>Remarque</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>Disque occulteur (mm), %1</source>
        <translation>Occulting disc (mm), %1</translation>
    </message>
    <message>
        <source>Image au foyer final (mm), %1</source>
        <translation>Image at the final focus (mm), %1</translation>
    </message>
    <message>
        <source>Année</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Mois</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Jour</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Heure (TU)</source>
        <translation>Hour (UT)</translation>
    </message>
    <message>
        <source>Minute (TU)</source>
        <translation>Minute (UT)</translation>
    </message>
    <message>
        <source>Latitude (degrés)</source>
        <translation>Latitude (degrees)</translation>
    </message>
    <message>
        <source>Latitude (minutes)</source>
        <translation>Latitude (minutes)</translation>
    </message>
    <message>
        <source>Longitude (degrés, + vers l&apos;Est)</source>
        <translation>Longitude (degrees, + to the East)</translation>
    </message>
    <message>
        <source>Longitude (minutes)</source>
        <translation>Longitude (minutes)</translation>
    </message>
    <message>
        <source>Jour julien (TU)</source>
        <translation>Julian Day (UT)</translation>
    </message>
    <message>
        <source>Ascension droite (degrés)</source>
        <translation>Right ascension (degrees)</translation>
    </message>
    <message>
        <source>Déclinaison (degrés)</source>
        <translation>Declination (degrees)</translation>
    </message>
    <message>
        <source>Angle horaire (degrés, + vers l&apos;Ouest)</source>
        <translation>Hour angle (degrees, + to the West)</translation>
    </message>
    <message>
        <source>Hauteur (degrés)</source>
        <translation>Altitude (degrees)</translation>
    </message>
    <message>
        <source>Azimut (degrés, 0 au Sud, + vers l&apos;Ouest)</source>
        <translation>Azimuth (degrees, 0 at South, + to the West)</translation>
    </message>
    <message>
        <source>Distance Terre-Soleil (U.A.)</source>
        <translation>Earth-Sun distance (AU)</translation>
    </message>
    <message>
        <source>Angle P (degrés, + vers l&apos;Est)</source>
        <translation>Position angle P (degrees, + to the East)</translation>
    </message>
    <message>
        <source>Latitude héliographique B0 (degrés)</source>
        <translation>Heliographic latitude B0 (degrees)</translation>
    </message>
    <message>
        <source>Longitude héliographique L0 (degrés)</source>
        <translation>Heliographic longitude L0 (degrees)</translation>
    </message>
    <message>
        <source>Angle Nord-Zénith (degrés)</source>
        <translation>North-zenith angle (degrees)</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Construction:</source>
        <translation>Building figures:</translation>
    </message>
    <message>
        <source>BRELO — Calcul optique</source>
        <translation>BRELO — Optical design</translation>
    </message>
    <message>
        <source>Dimensions des disques occulteurs au cours de l&apos;année:</source>
        <translation>Occulting disc diameters through the year:</translation>
    </message>
    <message>
        <source>Dimensions de l&apos;image au foyer final du coronographe:</source>
        <translation>Image size at the coronagraph&apos;s final focus:</translation>
    </message>
    <message>
        <source>BRELO — Ephémérides solaires</source>
        <translation>BRELO — Solar ephemeris</translation>
    </message>
    <message>
        <source>Heures (TU)</source>
        <translation>Hours (UT)</translation>
    </message>
    <message>
        <source>Minutes (TU)</source>
        <translation>Minutes (UT)</translation>
    </message>
    <message>
        <source>latitude (degrés)</source>
        <translation>latitude (degrees)</translation>
    </message>
    <message>
        <source>latitude (minutes)</source>
        <translation>latitude (minutes)</translation>
    </message>
    <message>
        <source>longitude (degrés, + à l&apos;Est)</source>
        <translation>longitude (degrees, + East)</translation>
    </message>
    <message>
        <source>longitude (minutes)</source>
        <translation>longitude (minutes)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Usage : brelo [options] [FICHIER]

BRELO : calcul de l&apos;optique d&apos;un coronographe de Lyot et éphémérides solaires.

Options :
  -h, --help        affiche cette aide.
  --help-all        affiche cette aide et les options de Qt que BRELO accepte.
  -v, --version     affiche la version du programme.

Arguments :
  FICHIER           fichier de paramètres à lire au démarrage (par défaut ./brelo.dat).
</source>
        <translation>Usage: brelo [options] [FILE]

BRELO: the optics of a Lyot coronagraph, and the solar ephemeris.

Options:
  -h, --help        shows this help.
  --help-all        shows this help and the Qt options BRELO accepts.
  -v, --version     shows the program&apos;s version.

Arguments:
  FILE              parameters file to read at start-up (./brelo.dat by default).
</translation>
    </message>
    <message>
        <source>
Options de Qt (avec un tiret ou deux, la valeur après un blanc ou, pour -style et
-stylesheet, après « = ») :
  -style NOM                     style des contrôles (fusion, windows).
  -stylesheet FICHIER            feuille de style Qt à appliquer.
  -platform NOM[:OPTIONS]        module d&apos;affichage (xcb, wayland, offscreen).
  -platformpluginpath DOSSIER    dossier des modules d&apos;affichage.
  -platformtheme NOM             thème de la plateforme.
  -plugin NOM                    module d&apos;entrée supplémentaire.
  -qwindowgeometry GÉOMÉTRIE     taille et place de la fenêtre (800x600+10+10) ;
                                 -geometry sous X11.
  -qwindowtitle TITRE            titre de la fenêtre ; -title sous X11.
  -qwindowicon FICHIER           icône de la fenêtre ; -icon sous X11.
  -reverse                       disposition de droite à gauche.
  -session NOM                   session du gestionnaire de sessions à reprendre.
  -display ÉCRAN                 écran X11 à utiliser.
  -name NOM                      nom de l&apos;application sous X11.
  -widgetcount                   compte les contrôles restés à la fin.
  -testability                   charge le module de test de Qt.
  -qmljsdebugger=OPTIONS         débogueur QML.
</source>
        <translation>
Qt options (with one dash or two, the value after a blank or, for -style and
-stylesheet, after &quot;=&quot;):
  -style NAME                    style of the controls (fusion, windows).
  -stylesheet FILE               Qt style sheet to apply.
  -platform NAME[:OPTIONS]       display plugin (xcb, wayland, offscreen).
  -platformpluginpath FOLDER     folder of the display plugins.
  -platformtheme NAME            platform theme.
  -plugin NAME                   additional input plugin.
  -qwindowgeometry GEOMETRY      size and place of the window (800x600+10+10);
                                 -geometry under X11.
  -qwindowtitle TITLE            window title; -title under X11.
  -qwindowicon FILE              window icon; -icon under X11.
  -reverse                       right-to-left layout.
  -session NAME                  session manager&apos;s session to resume.
  -display SCREEN                X11 display to use.
  -name NAME                     application name under X11.
  -widgetcount                   counts the widgets left at the end.
  -testability                   loads Qt&apos;s test plugin.
  -qmljsdebugger=OPTIONS         QML debugger.
</translation>
    </message>
    <message>
        <source>l&apos;option %1 attend une valeur.</source>
        <translation>option %1 needs a value.</translation>
    </message>
    <message>
        <source>option inconnue « %1 » (brelo --help pour l&apos;aide).</source>
        <translation>unknown option &quot;%1&quot; (brelo --help for help).</translation>
    </message>
    <message>
        <source>un seul fichier de paramètres à la fois.</source>
        <translation>only one parameters file at a time.</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas un fichier lisible.</source>
        <translation>&quot;%1&quot; is not a readable file.</translation>
    </message>
    <message>
        <source>brelo : %1</source>
        <translation>brelo: %1</translation>
    </message>
</context>
<context>
    <name>numbers</name>
    <message>
        <source> (« %1 »)</source>
        <translation> (“%1”)</translation>
    </message>
    <message>
        <source>%1%2 est vide.</source>
        <translation>%1%2 is empty.</translation>
    </message>
    <message>
        <source>%1%2 n&apos;est pas un nombre (séparateur décimal : point ou virgule).</source>
        <translation>%1%2 is not a number (decimal separator: point or comma).</translation>
    </message>
    <message>
        <source>%1%2 est trop grande.</source>
        <translation>%1%2 is too large.</translation>
    </message>
    <message>
        <source>%1%2 est trop grand.</source>
        <translation>%1%2 is too large.</translation>
    </message>
    <message>
        <source>un résultat sort des limites du calcul (valeurs trop grandes ou trop petites).</source>
        <translation>a result leaves the range of the calculation (values too large or too small).</translation>
    </message>
</context>
<context>
    <name>optics</name>
    <message>
        <source>%1 ne peut pas être négative.</source>
        <translation>%1 cannot be negative.</translation>
    </message>
    <message>
        <source>%1 ne peut pas être négatif.</source>
        <translation>%1 cannot be negative.</translation>
    </message>
    <message>
        <source>%1 doit être positive.</source>
        <translation>%1 must be positive.</translation>
    </message>
    <message>
        <source>%1 doit être positif.</source>
        <translation>%1 must be positive.</translation>
    </message>
    <message>
        <source>Diamètre de la pupille au diaphragme = %1</source>
        <translation>Pupil diameter at the Lyot stop = %1</translation>
    </message>
    <message>
        <source>REMARQUE: ATTENTION! IMPOSSIBILITE!! Le calcul montre que le diaphragme est situé derrière l&apos;objectif O3: le montage est impossible! Vous devez soit augmenter la focale de 03, soit diminuer celle de O2, soit rapprocher le disque occulteur de O2.</source>
        <translation>REMARK: WARNING! IMPOSSIBLE!! The calculation shows that the Lyot stop lies behind lens O3: this layout cannot be built! You must either lengthen the focal length of O3, shorten that of O2, or bring the occulting disc closer to O2.</translation>
    </message>
    <message>
        <source>REMARQUE: ATTENTION! Le diaphragme est situé à moins de 15mm en avant de O3: le montage est théoriquement possible, mais vérifiez que vous pourrez monter vos éléments aussi proches! Si ce n&apos;est pas le cas, vous devez soit augmenter la focale de 03, soit diminuer celle de O2, soit rapprocher le disque occulteur de O2. </source>
        <translation>REMARK: WARNING! The Lyot stop lies less than 15mm in front of O3: the layout can be built in theory, but check that you can mount your parts this close together! If you cannot, you must either lengthen the focal length of O3, shorten that of O2, or bring the occulting disc closer to O2. </translation>
    </message>
    <message>
        <source>REMARQUE: R.A.S.</source>
        <translation>REMARK: nothing to report.</translation>
    </message>
    <message>
        <source>REMARQUE: ATTENTION! Valeurs impossibles : %1%2 doit être positive.</source>
        <translation>REMARK: WARNING! Impossible values: %1%2 must be positive.</translation>
    </message>
    <message>
        <source>REMARQUE: ATTENTION! Valeurs impossibles : %1%2 doit être positif.</source>
        <translation>REMARK: WARNING! Impossible values: %1%2 must be positive.</translation>
    </message>
    <message>
        <source>%1 (division par zéro).</source>
        <translation>%1 (division by zero).</translation>
    </message>
    <message>
        <source>la focale de O2 est nulle</source>
        <translation>the focal length of O2 is zero</translation>
    </message>
    <message>
        <source>la focale de O1 plus la distance A est nulle</source>
        <translation>the focal length of O1 plus distance A is zero</translation>
    </message>
    <message>
        <source>la focale de O2 est égale à la focale de O1 plus la distance A</source>
        <translation>the focal length of O2 equals the focal length of O1 plus distance A</translation>
    </message>
    <message>
        <source>la distance A est nulle</source>
        <translation>distance A is zero</translation>
    </message>
    <message>
        <source>la distance A est égale à la focale de O2</source>
        <translation>distance A equals the focal length of O2</translation>
    </message>
    <message>
        <source>Distance (Lentille O2 - Diaphragme) B= %1</source>
        <translation>Distance (Lens O2 - Lyot stop) B= %1</translation>
    </message>
    <message>
        <source>Calcul intermédiaire x= %1</source>
        <translation>Intermediate result x= %1</translation>
    </message>
    <message>
        <source>Distance (Lentille O2 - Objectif O3) C= %1</source>
        <translation>Distance (Lens O2 - Lens O3) C= %1</translation>
    </message>
    <message>
        <source>Focale résultante = %1</source>
        <translation>Effective focal length = %1</translation>
    </message>
    <message>
        <source>Rapport F/D = %1</source>
        <translation>F/D ratio = %1</translation>
    </message>
    <message>
        <source>Diamètre mini disque occulteur = %1</source>
        <translation>Smallest occulting disc diameter = %1</translation>
    </message>
    <message>
        <source>Diamètre maxi disque occulteur = %1</source>
        <translation>Largest occulting disc diameter = %1</translation>
    </message>
    <message>
        <source>REMARQUE: calcul impossible — %1</source>
        <translation>REMARK: calculation impossible — %1</translation>
    </message>
    <message>
        <source>la focale de O3 est nulle</source>
        <translation>the focal length of O3 is zero</translation>
    </message>
    <message>
        <source>le diamètre de O1 est nul</source>
        <translation>the diameter of O1 is zero</translation>
    </message>
    <message>
        <source>Le champ sans vignettage n&apos;est pas connu : il ne peut pas être comparé au capteur.</source>
        <translation>The unvignetted field is not known: it cannot be compared with the sensor.</translation>
    </message>
    <message>
        <source>Le centre du champ est coupé : rien n&apos;atteint le capteur sans vignettage.</source>
        <translation>The centre of the field is cut off: nothing reaches the sensor unvignetted.</translation>
    </message>
    <message>
        <source>Le champ sans vignettage couvre tout le capteur.</source>
        <translation>The unvignetted field covers the whole sensor.</translation>
    </message>
    <message>
        <source>Le champ sans vignettage ne remplit pas le capteur : il en couvre un cercle de %1 pixels de diamètre sur %2 × %3.</source>
        <translation>The unvignetted field does not fill the sensor: it covers a circle %1 pixels across of its %2 × %3.</translation>
    </message>
    <message>
        <source>la focale résultante est nulle : l&apos;échelle de l&apos;image ne peut pas être calculée.</source>
        <translation>the effective focal length is zero: the image scale cannot be calculated.</translation>
    </message>
    <message>
        <source>Échelle de l&apos;image = %1 ″/pixel</source>
        <translation>Image scale = %1 ″/pixel</translation>
    </message>
    <message>
        <source>Champ du capteur = %1 × %2 R☉</source>
        <translation>Field of the sensor = %1 × %2 R☉</translation>
    </message>
    <message>
        <source>Champ du capteur = %1 × %2 minutes d&apos;arc</source>
        <translation>Field of the sensor = %1 × %2 arcminutes</translation>
    </message>
    <message>
        <source>Image du disque occulteur au 1er janvier = %1 pixels</source>
        <translation>Image of the occulting disc on 1 January = %1 pixels</translation>
    </message>
    <message>
        <source>Image du disque occulteur au 1er juillet = %1 pixels</source>
        <translation>Image of the occulting disc on 1 July = %1 pixels</translation>
    </message>
    <message>
        <source>Le capteur est plus petit que l&apos;image du disque occulteur : %1 pixels au 1er janvier pour %2 pixels sur son petit côté.</source>
        <translation>The sensor is smaller than the image of the occulting disc: %1 pixels on 1 January for %2 pixels along its short side.</translation>
    </message>
    <message>
        <source> et </source>
        <translation> and </translation>
    </message>
    <message>
        <source>Champ sans vignettage à %1 : nul, %1 coupe même le centre du champ (il faut un diamètre de plus de %2 mm)</source>
        <translation>Unvignetted field at %1: none, %1 cuts even the centre of the field (it needs a diameter over %2 mm)</translation>
    </message>
    <message>
        <source>Champ sans vignettage à %1 : sans limite (le rayon principal traverse %1 sur l&apos;axe)</source>
        <translation>Unvignetted field at %1: unlimited (the chief ray crosses %1 on the axis)</translation>
    </message>
    <message>
        <source>Champ sans vignettage à %1 : %2 R☉</source>
        <translation>Unvignetted field at %1: %2 R☉</translation>
    </message>
    <message>
        <source>Champ sans vignettage : nul, le centre du champ est coupé par %1</source>
        <translation>Unvignetted field: none, the centre of the field is cut off by %1</translation>
    </message>
    <message>
        <source>Champ sans vignettage : sans limite</source>
        <translation>Unvignetted field: unlimited</translation>
    </message>
    <message>
        <source>Champ sans vignettage : %1 R☉ (limité par %2)</source>
        <translation>Unvignetted field: %1 R☉ (limited by %2)</translation>
    </message>
    <message>
        <source>1er Janvier: </source>
        <translation>1 January: </translation>
    </message>
    <message>
        <source>15 Janvier: </source>
        <translation>15 January: </translation>
    </message>
    <message>
        <source>1er Février: </source>
        <translation>1 February: </translation>
    </message>
    <message>
        <source>15 Février: </source>
        <translation>15 February: </translation>
    </message>
    <message>
        <source>1er Mars: </source>
        <translation>1 March: </translation>
    </message>
    <message>
        <source>15 Mars: </source>
        <translation>15 March: </translation>
    </message>
    <message>
        <source>1er Avril: </source>
        <translation>1 April: </translation>
    </message>
    <message>
        <source>15 Avril: </source>
        <translation>15 April: </translation>
    </message>
    <message>
        <source>1er Mai: </source>
        <translation>1 May: </translation>
    </message>
    <message>
        <source>15 Mai: </source>
        <translation>15 May: </translation>
    </message>
    <message>
        <source>1er Juin: </source>
        <translation>1 June: </translation>
    </message>
    <message>
        <source>15 Juin: </source>
        <translation>15 June: </translation>
    </message>
    <message>
        <source>1er Juillet: </source>
        <translation>1 July: </translation>
    </message>
    <message>
        <source>15 Juillet: </source>
        <translation>15 July: </translation>
    </message>
    <message>
        <source>1er Août: </source>
        <translation>1 August: </translation>
    </message>
    <message>
        <source>15 Août: </source>
        <translation>15 August: </translation>
    </message>
    <message>
        <source>1er Septembre: </source>
        <translation>1 September: </translation>
    </message>
    <message>
        <source>15 Septembre: </source>
        <translation>15 September: </translation>
    </message>
    <message>
        <source>1er Octobre: </source>
        <translation>1 October: </translation>
    </message>
    <message>
        <source>15 Octobre: </source>
        <translation>15 October: </translation>
    </message>
    <message>
        <source>1er Novembre: </source>
        <translation>1 November: </translation>
    </message>
    <message>
        <source>15 Novembre: </source>
        <translation>15 November: </translation>
    </message>
    <message>
        <source>1er Décembre: </source>
        <translation>1 December: </translation>
    </message>
    <message>
        <source>15 Décembre: </source>
        <translation>15 December: </translation>
    </message>
</context>
</TS>
