<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="fr_FR">
<context>
    <name>brelo::AboutPage</name>
    <message>
        <source>A Propos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programme d&apos;aide au calcul de l&apos;optique d&apos;un coronographe de Lyot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calcul d&apos;éphéméride solaire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logiciel libre et gratuit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vous pouvez l&apos;utiliser, le copier, le modifier et le redistribuer librement. Il est fourni tel quel, sans aucune garantie : vérifiez vos calculs avant de monter vos optiques.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Écrit par des amateurs, pour des amateurs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Né de la construction d&apos;un coronographe de Lyot d&apos;amateur, pour observer les protubérances et la couronne solaire.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Licence GPL-3.0 ou ultérieure — texte complet : %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brelo::AtomicFile</name>
    <message>
        <source>Impossible d&apos;enregistrer « %1 » : %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le dossier n&apos;existe pas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>écriture interdite dans ce dossier ou sur ce fichier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l&apos;écriture a échoué (disque plein ?), l&apos;ancien fichier est conservé</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le fichier ne peut pas être créé</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>un dossier porte ce nom</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brelo::ChartExport</name>
    <message>
        <source>Image PNG, 2 × la taille de l&apos;écran (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dessin vectoriel SVG (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Document PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporter le graphique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphique exporté dans « %1 ».</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brelo::ConstructionPage</name>
    <message>
        <source>Diamètre de la pupille au diaphragme =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Champ sans vignettage à O2 :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Champ sans vignettage à O3 :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Champ sans vignettage à O3&apos; :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Champ sans vignettage :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Échelle de l&apos;image =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Champ du capteur =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image du disque occulteur au 1er janvier =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image du disque occulteur au 1er juillet =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taille des pixels (µm) :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capteur (pixels) : largeur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hauteur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diaphragme de Lyot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Faites le diaphragme un peu plus petit que cette pupille (souvent 80 à 90 %) : voir l&apos;aide.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Champ sans vignettage (R☉ : rayon solaire apparent)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O3&apos; est compté à 50 mm derrière O3, l&apos;écart du dessin du montage.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caméra au foyer final</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brelo::DiscPositionTracker</name>
    <message>
        <source>Copier la position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copie la position héliographique du point cliqué</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brelo::DiscTemplateDialog</name>
    <message>
        <source>Gabarit du disque</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Imprimer…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporter en &amp;PDF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diamètre du disque sur le papier (mm) :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gabarit impossible : le calcul des éphémérides de la page a échoué (voir le message en bas de la fenêtre).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gabarit envoyé à l&apos;impression : imprimez-le à 100 %, sans l&apos;ajuster à la page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gabarit exporté dans « %1 ».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporter le gabarit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gabarit-disque.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Document PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brelo::DocPage</name>
    <message>
        <source>AIDE DU PROGRAMME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Construction du Coronographe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Construction du 1er Prototype</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Construction de la seconde version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ouvrir le fichier HTML:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choisissez une rubrique ci dessus...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pas une page HTML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;« &lt;b&gt;%1&lt;/b&gt; » n&apos;est pas une page HTML.&lt;/p&gt;&lt;p&gt;Cette page n&apos;ouvre que les pages HTML et les fichiers texte.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lecture impossible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;« &lt;b&gt;%1&lt;/b&gt; » ne peut pas être lu : %2.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;Le fichier &lt;b&gt;%1&lt;/b&gt; est introuvable.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;Cette page d&apos;aide a été cherchée dans :&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page introuvable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigateur introuvable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;BRELO n&apos;affiche pas les pages Internet et n&apos;a pas pu ouvrir &lt;b&gt;%1&lt;/b&gt; dans votre navigateur.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brelo::DrawingExport</name>
    <message>
        <source>Cette page n&apos;a pas de dessin : affichez la page « Calcul Optique » ou « Ephémérides Solaires ».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le train optique n&apos;a pas encore été dessiné : lancez d&apos;abord le calcul.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>train-optique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le disque solaire n&apos;a pas encore été dessiné : lancez d&apos;abord le calcul des éphémérides.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>disque-solaire</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brelo::EphemerisPage</name>
    <message>
        <source>Date: Année</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mois</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude de l&apos;observateur:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude de l&apos;observateur (+ à l&apos;Est):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temps Universel (TU) :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascension Droite =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Déclinaison =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle horaire (+ vers W) =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hauteur =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azimuth (0 S - 90 W) =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance Terre-Soleil (U.A.) =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle p (+ vers E) =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude héliocentrique B0 =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude héliocentrique L0 =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle Nord - Zenith =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valeurs en entrée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temps universel (TU)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maintenant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calcul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Période…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Éphémérides sur une période</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Journée…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lever, passage au méridien et coucher du Soleil, et la courbe de sa hauteur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heure locale :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotation de Carrington :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ephémérides Solaires</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ephémérides Solaires — %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotation de Carrington : %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brelo::FileMenu</name>
    <message>
        <source>Paramètres BRELO (*.dat)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tous les fichiers (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image PNG, taille de l&apos;écran (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image PNG, 2 × la taille de l&apos;écran (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image PNG, 4 × la taille de l&apos;écran (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dessin vectoriel SVG (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Document PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imprimer sur fond &amp;blanc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le dessin imprimé sur fond blanc, ses autres couleurs gardées ; décoché, sur la couleur de l&apos;écran</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ouvrir des paramètres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paramètres lus dans « %1 ».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paramètres non enregistrés : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paramètres enregistrés dans « %1 ».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistrer les paramètres sous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le dernier calcul de cette page a échoué (voir le message en bas de la fenêtre) : corrigez les valeurs et relancez le calcul avant d&apos;exporter, de copier ou d&apos;imprimer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporter le dessin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dessin exporté dans « %1 ».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>calcul-optique.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ephemerides.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporter les résultats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tableau CSV (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Résultats exportés dans « %1 ».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pas encore de résultats sur cette page : lancez d&apos;abord le calcul.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cette page n&apos;a pas de résultats : affichez la page « Calcul Optique » ou « Ephémérides Solaires ».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Résultats copiés dans le presse-papiers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page envoyée à l&apos;impression.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ouvrir des paramètres…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lit un fichier de paramètres et remplit les treize champs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Enregistrer les paramètres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Écrit les treize champs dans le fichier de paramètres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistrer &amp;sous…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Écrit les treize champs dans un autre fichier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporter le &amp;dessin…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistre le dessin de la page en PNG, SVG ou PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporter les &amp;résultats (CSV)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistre les entrées et les résultats de la page dans un tableau CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copier les résultats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copie les entrées et les résultats de la page dans le presse-papiers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Imprimer…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imprime les entrées, les résultats et le dessin de la page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aperçu a&amp;vant impression…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Montre la page telle qu&apos;elle sera imprimée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Aide du programme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ouvre la page d&apos;aide dans l&apos;onglet Doc HTML</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brelo::Form1</name>
    <message>
        <source>BRELO  -  Programme d&apos;Aide au Calcul d&apos;un Coronographe de Lyot  -  Calcul d&apos;éphémérides solaires</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calcul Optique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doc HTML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ephémérides Solaires</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Propos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Construction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Affichage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imprimer un &amp;gabarit du disque…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imprime ou exporte en PDF un disque à la vraie taille, orienté pour l&apos;instant de la page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brelo::InstantLine</name>
    <message>
        <source>Heure locale : %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brelo::LanguageMenu</name>
    <message>
        <source>Langue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La langue du bureau : anglais s&apos;il le demande avant le français, sinon français</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brelo::LocalTime</name>
    <message>
        <source>%1 n&apos;existe pas dans le fuseau %2 (changement d&apos;heure).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 a lieu deux fois dans le fuseau %2 (changement d&apos;heure) : à %3 TU puis à %4 TU.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brelo::OpticsPage</name>
    <message>
        <source>Lentille  O1  Focale=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diamètre=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lentille 02   Focale=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance A = Lentille O2 - Disque occulteur:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Objectif O3  Focale=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Objectif O3&apos;  Focale=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance (Lentille O2 - Diaphragme) B=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calcul intermédiaire x=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance (Lentille O2 - Objectif O3) C=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focale résultante =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rapport F/D (à pleine ouverture du diaph.) =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diamètre mini disque occulteur =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diamètre maxi disque occulteur =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valeurs en entrée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Objectifs O3 et O3&apos; identiques</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;CALCUL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Résultats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dimensions des disques occulteurs au cours de l&apos;année:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dimensions de l&apos;image au foyer final du coronographe:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>REMARQUES:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Réglage manuel de l&apos;échelle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tracé des chemins optiques</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calcul Optique — construction impossible : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>calcul impossible : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calcul Optique — %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>REMARQUE: dessin impossible — %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dessin impossible : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>une valeur est trop grande pour être dessinée.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brelo::ParamsLoader</name>
    <message>
        <source>%1 ignoré : %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le fichier ne peut pas être ouvert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le fichier ne peut pas être lu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le fichier dépasse 1 Mio, ce n&apos;est pas un fichier de paramètres.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier texte.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brelo::PeriodChart</name>
    <message>
        <source>%1 : aucune valeur sur la période</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brelo::PeriodChartWindow</name>
    <message>
        <source>Graphique de la période</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exporter le graphique…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colonne :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>graphique-periode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>une ligne sur %1 du tableau</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brelo::PeriodDialog</name>
    <message>
        <source>minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>heures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lieu de l&apos;observateur, repris de la page : latitude %1° %2&apos;, longitude %3° %4&apos; (+ à l&apos;Est)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JJ/MM/AAAA HH:MM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Éphémérides sur une période</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calculer le tableau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exporter en CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temps universel (TU)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heure locale (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Début :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fin :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pas :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heures saisies en :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le début de la période</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La fin de la période</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La fin de la période (%1) précède son début (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 instants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer « %1 » : %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tableau exporté dans « %1 ».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Graphique…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporter le tableau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ephemerides-periode.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tableau CSV (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brelo::PeriodTableModel</name>
    <message>
        <source>Date et heure TU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heure locale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascension droite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Déclinaison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle horaire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hauteur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azimuth (0 S, 90 W)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance Terre-Soleil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle p (+ vers E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude héliocentrique BO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude héliocentrique L0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle Nord-Zenith</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotation de Carrington</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lever</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passage au méridien</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coucher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hauteur au passage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Durée du jour</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brelo::PictureLabel</name>
    <message>
        <source>D.occ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diaph.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Foyer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brelo::SunDayChart</name>
    <message>
        <source>Azimut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Journée du Soleil : —</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heure (TU) du %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hauteur (°)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azimut (°, 0 S, 90 W)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hauteur et azimut du Soleil le %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hauteur</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brelo::SunDayWindow</name>
    <message>
        <source>Lever :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passage au méridien :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coucher :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lever</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coucher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instant de la page (%1:%2 TU)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Journée du Soleil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cliquez sur le graphique : son heure va dans les champs de la page, qui est recalculée.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un clic sur le graphique porte son heure (TU) dans les champs de la page, qui est recalculée.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exporter le graphique…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>journee-soleil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temps universel (TU)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hauteur au passage :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Durée du jour :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heure locale (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Journée du Soleil : %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brelo::TemplateSheet</name>
    <message>
        <source>Le gabarit de %1 mm (%2 mm avec ses marges, et ses lignes dessous) ne tient pas sur cette feuille : choisissez une feuille plus grande ou un diamètre plus petit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gabarit du disque solaire</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brelo::ViewMenu</name>
    <message>
        <source>Tracé paraxial des rayons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dessine les rayons calculés, réfractés par chaque lentille, à la place du tracé schématique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disque orienté zénith en haut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tourne le disque de l&apos;angle Nord-Zenith, comme le montre une monture azimutale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Éphémérides sur une période…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le tableau des éphémérides de l&apos;observateur, d&apos;un instant à un autre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Journée du Soleil…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lever, passage et coucher du Soleil à la date de la page, et la courbe de sa hauteur</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brelo::WindowZoom</name>
    <message>
        <source>Zoom à %1 % refusé : la fenêtre ne tiendrait plus sur l&apos;écran.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Agrandir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Réduire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taille normale</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brelo::ZoneLookup</name>
    <message>
        <source>fuseau vide (exemple : Europe/Paris)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fuseau inconnu : %1 (exemple : Europe/Paris)</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>brelo-ephem : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>plus de place sur le disque</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la sortie a été fermée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>erreur d&apos;entrée-sortie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le tableau n&apos;a pu être écrit sur la sortie standard (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>erreur %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>« %1 »</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2) n&apos;est pas un angle en degrés (48.85 ou 48:51).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2) a des degrés décimaux et des minutes : écrivez soit des degrés décimaux (48.85), soit degrés:minutes (48:51).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2) a des minutes hors de 0 à 60 (60 exclu) ; le signe se met devant les degrés (-0:34).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2) doit rester entre -%3 et %3 degrés.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le pas (%1) s&apos;écrit comme 10min, 2h ou 1d.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le pas (%1) doit valoir au moins 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2) s&apos;écrit AAAA-MM-JJTHH:MM, par exemple 2027-03-20T06:00.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2) n&apos;est pas une date et une heure qui existent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option inconnue « %1 » (brelo-ephem --help pour l&apos;aide).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l&apos;option --%1 attend une valeur.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ligne de commande incorrecte (brelo-ephem --help pour l&apos;aide).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l&apos;option --%1 est donnée %2 fois ; donnez-la une seule fois.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Choisissez avec --tz %1 ou --tz %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 tombe à %2 TU, entre deux minutes : les instants vont de minute en minute TU.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la fin de la période (%1) précède son début (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l&apos;option --step ne va pas avec --days (une ligne par jour).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2) : avec --days, donnez une date sans heure (AAAA-MM-JJ).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>argument inattendu « %1 » (brelo-ephem --help pour l&apos;aide).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l&apos;option --%1 manque (brelo-ephem --help pour l&apos;aide).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lever</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lever (TU)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passage (TU)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coucher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coucher (TU)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hauteur au passage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hauteur au passage (°)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Durée du jour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Durée du jour (h)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascension droite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Déclinaison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Déclinaison (°)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle horaire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hauteur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hauteur (°)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azimut (0 S, 90 O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azimut (°, 0 S, 90 O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance (U.A.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle P (°)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B0 (°)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L0 (°)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle Nord-Zénith</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle Nord-Zénith (°)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotation Carrington</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date et heure TU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heure locale (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>drawing</name>
    <message>
        <source>Gabarit impossible : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 doit être compris entre 20 et 250 mm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date et heure : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotation de Carrington : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lieu : latitude %1° %2&apos;, longitude %3° %4&apos; (+ à l&apos;Est)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zénith en haut : angle Nord-Zénith = %1°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Observateur : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seeing : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instrument : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hors du disque</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ephemeris</name>
    <message>
        <source> U.A.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 TU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La précision annoncée dans l&apos;aide vaut pour les années %1 à %2 ; hors de cette période, les écarts peuvent être plus grands.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calcul impossible : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la date, l&apos;heure ou la position donnent des valeurs hors limites.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascension droite = %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Déclinaison = %1°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hauteur = %1°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azimuth (0 S, 90 W) = %1°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance Terre-Soleil = %1 U.A.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle p (+ vers E) = %1°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude héliocentrique BO = %1°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude héliocentrique L0 = %1°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle Nord-Zenith = %1°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle horaire = %1° = %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>janvier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>février</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>avril</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>juin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>juillet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>août</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>septembre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>octobre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>novembre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>décembre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (minutes)%2 doit être comprise entre 0 et 60.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 doit être comprise entre -%3 et %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 doit être un nombre entier.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 doit être un nombre entier de 1 à 12.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 doit être un nombre entier de 1 à %3 (%4).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 doit être un nombre entier de 0 à 24 (24 seulement avec 0 minute).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 doit être un nombre entier de 0 à 59.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La fin de la période (%1) précède son début (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La période compte %1 jours, plus que les %2 d&apos;un tableau : raccourcissez la période.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascension droite (h)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Déclinaison (°)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle horaire (°, + vers W)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hauteur (°)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azimuth (°, 0 S, 90 W)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance Terre-Soleil (U.A.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle p (°, + vers E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude héliocentrique B0 (°)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude héliocentrique L0 (°)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle Nord-Zenith (°)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotation de Carrington</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lever (h TU)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passage au méridien (h TU)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coucher (h TU)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hauteur au passage (°)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Durée du jour (h)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le début de la période (%1) n&apos;est pas une date et une heure qui existent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La fin de la période (%1) n&apos;est pas une date et une heure qui existent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le pas (%1) doit valoir au moins 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le pas (%1) est trop grand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La période compte %1 instants, plus que les %2 d&apos;un tableau : allongez le pas ou raccourcissez la période.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le lever et le coucher du Soleil ne se calculent que du 1er janvier -8000 au 31 décembre 12000.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2° %3&apos;) n&apos;est pas comprise entre -%4° et %4°.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (la veille)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (le lendemain)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Journée du %1 à latitude %2° %3&apos;, longitude %4° %5&apos; (+ à l&apos;Est)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soleil levé toute la journée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soleil couché toute la journée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pas de lever : Soleil levé depuis la veille</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pas de coucher : Soleil levé jusqu&apos;au lendemain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 doit s&apos;écrire JJ/MM/AAAA HH:MM, par exemple 05/03/2027 08:00.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 n&apos;existe pas : %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l&apos;année va de -32767 à 32767</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le mois va de 1 à 12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 compte %3 jours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l&apos;heure va de 0 à 23</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la minute va de 0 à 59</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>fields</name>
    <message>
        <source>la latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le diamètre du disque</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l&apos;année</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le mois</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le jour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l&apos;heure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la latitude (minutes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la latitude (degrés)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la longitude (minutes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la longitude (degrés)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la focale de O1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le diamètre de O1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la focale de O2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le diamètre de O2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la distance A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la focale de O3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le diamètre de O3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la focale de O3&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le diamètre de O3&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la taille des pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la largeur du capteur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la hauteur du capteur</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>formats</name>
    <message>
        <source>Champ sans vignettage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Champ sans vignettage à %1 (R☉)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Champ sans vignettage de l&apos;instrument (R☉)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caméra au foyer final</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Échelle de l&apos;image (″/pixel)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Champ du capteur, largeur (R☉)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Champ du capteur, hauteur (R☉)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Champ du capteur, largeur (minutes d&apos;arc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Champ du capteur, hauteur (minutes d&apos;arc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image du disque occulteur au 1er janvier (pixels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image du disque occulteur au 1er juillet (pixels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Champ sans vignettage sur le capteur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capteur et image du disque occulteur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diamètre de la pupille au diaphragme (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taille des pixels (µm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largeur du capteur (pixels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hauteur du capteur (pixels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : focale %2, diamètre %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>distance A = %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · %2 (longueurs en mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>brelo.dat ignoré : aucune valeur trouvée, %1 attendues.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>brelo.dat ignoré : 1 valeur trouvée, %1 attendues.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>brelo.dat ignoré : %2 valeurs trouvées, %1 attendues.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>brelo.dat : %1 valeurs trouvées, seules les %2 premières sont lues — les décimales s&apos;écrivent avec un point, la virgule sépare les valeurs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>brelo.dat ignoré : les %1 valeurs sont vides.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grandeur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Texte affiché</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valeur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focale de O1 (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diamètre de O1 (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focale de O2 (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diamètre de O2 (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance A (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focale de O3 (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diamètre de O3 (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focale de O3&apos; (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diamètre de O3&apos; (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance B (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calcul intermédiaire x (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance C (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focale résultante (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rapport F/D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diamètre mini disque occulteur (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diamètre maxi disque occulteur (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remarque</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disque occulteur (mm), %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image au foyer final (mm), %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Année</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mois</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heure (TU)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute (TU)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude (degrés)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude (minutes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude (degrés, + vers l&apos;Est)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude (minutes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jour julien (TU)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascension droite (degrés)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Déclinaison (degrés)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle horaire (degrés, + vers l&apos;Ouest)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hauteur (degrés)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azimut (degrés, 0 au Sud, + vers l&apos;Ouest)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance Terre-Soleil (U.A.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle P (degrés, + vers l&apos;Est)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude héliographique B0 (degrés)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude héliographique L0 (degrés)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle Nord-Zénith (degrés)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Construction:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BRELO — Calcul optique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dimensions des disques occulteurs au cours de l&apos;année:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dimensions de l&apos;image au foyer final du coronographe:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BRELO — Ephémérides solaires</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heures (TU)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes (TU)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>latitude (degrés)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>latitude (minutes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>longitude (degrés, + à l&apos;Est)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>longitude (minutes)</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l&apos;option %1 attend une valeur.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option inconnue « %1 » (brelo --help pour l&apos;aide).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>un seul fichier de paramètres à la fois.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas un fichier lisible.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>brelo : %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>numbers</name>
    <message>
        <source> (« %1 »)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 est vide.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 n&apos;est pas un nombre (séparateur décimal : point ou virgule).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 est trop grande.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 est trop grand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>un résultat sort des limites du calcul (valeurs trop grandes ou trop petites).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>optics</name>
    <message>
        <source>%1 ne peut pas être négative.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ne peut pas être négatif.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 doit être positive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 doit être positif.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diamètre de la pupille au diaphragme = %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>REMARQUE: ATTENTION! IMPOSSIBILITE!! Le calcul montre que le diaphragme est situé derrière l&apos;objectif O3: le montage est impossible! Vous devez soit augmenter la focale de 03, soit diminuer celle de O2, soit rapprocher le disque occulteur de O2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>REMARQUE: ATTENTION! Le diaphragme est situé à moins de 15mm en avant de O3: le montage est théoriquement possible, mais vérifiez que vous pourrez monter vos éléments aussi proches! Si ce n&apos;est pas le cas, vous devez soit augmenter la focale de 03, soit diminuer celle de O2, soit rapprocher le disque occulteur de O2. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>REMARQUE: R.A.S.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>REMARQUE: ATTENTION! Valeurs impossibles : %1%2 doit être positive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>REMARQUE: ATTENTION! Valeurs impossibles : %1%2 doit être positif.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (division par zéro).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la focale de O2 est nulle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la focale de O1 plus la distance A est nulle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la focale de O2 est égale à la focale de O1 plus la distance A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la distance A est nulle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la distance A est égale à la focale de O2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance (Lentille O2 - Diaphragme) B= %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calcul intermédiaire x= %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance (Lentille O2 - Objectif O3) C= %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focale résultante = %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rapport F/D = %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diamètre mini disque occulteur = %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diamètre maxi disque occulteur = %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>REMARQUE: calcul impossible — %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la focale de O3 est nulle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le diamètre de O1 est nul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le champ sans vignettage n&apos;est pas connu : il ne peut pas être comparé au capteur.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le centre du champ est coupé : rien n&apos;atteint le capteur sans vignettage.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le champ sans vignettage couvre tout le capteur.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le champ sans vignettage ne remplit pas le capteur : il en couvre un cercle de %1 pixels de diamètre sur %2 × %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la focale résultante est nulle : l&apos;échelle de l&apos;image ne peut pas être calculée.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Échelle de l&apos;image = %1 ″/pixel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Champ du capteur = %1 × %2 R☉</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Champ du capteur = %1 × %2 minutes d&apos;arc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image du disque occulteur au 1er janvier = %1 pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image du disque occulteur au 1er juillet = %1 pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le capteur est plus petit que l&apos;image du disque occulteur : %1 pixels au 1er janvier pour %2 pixels sur son petit côté.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> et </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Champ sans vignettage à %1 : nul, %1 coupe même le centre du champ (il faut un diamètre de plus de %2 mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Champ sans vignettage à %1 : sans limite (le rayon principal traverse %1 sur l&apos;axe)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Champ sans vignettage à %1 : %2 R☉</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Champ sans vignettage : nul, le centre du champ est coupé par %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Champ sans vignettage : sans limite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Champ sans vignettage : %1 R☉ (limité par %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1er Janvier: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 Janvier: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1er Février: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 Février: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1er Mars: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 Mars: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1er Avril: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 Avril: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1er Mai: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 Mai: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1er Juin: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 Juin: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1er Juillet: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 Juillet: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1er Août: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 Août: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1er Septembre: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 Septembre: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1er Octobre: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 Octobre: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1er Novembre: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 Novembre: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1er Décembre: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 Décembre: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
