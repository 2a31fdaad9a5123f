<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="fr_FR">
<context>
    <name>Catalogue</name>
    <message>
        <source>Chargement du programme... Veuillez patienter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Veuillez patienter...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lancement des dés %s en cours... Veuillez patienter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Résultat des dés : %d-%d-%d. Cliquez sur le plateau pour continuer...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Résultat des dés : %d-%d-%d. Patientez...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attente du lancemente de dés...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Les noirs jouent : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Les blancs jouent : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partie terminée. Victoire des blancs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partie terminée. Victoire des noirs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partie terminée. match null</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cliquez sur une case pour commencer la partie.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&apos;est à vous de placer un jeton.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sélectionnez un pion à déplacer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sélectionnez un pion à prendre.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;ordinateur réfléchit au prochain coup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&apos;est à %s (%s) de placer un jeton.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&apos;est à %s (%s) de sélectionner un jeton à déplacer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appuyez sur une touche ou cliquez sur la jeu avec la souris pour lancer le jeu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noirs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blancs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-Distant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-Local</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistrement impossible ! %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir la boite de dialogue. %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erreur de CRC !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir le fichier. %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erreur dans le format du fichier. Modele incompatible.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erreur dans le format du fichier.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problème d&apos;impression : %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action interdite. %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erreur inconnue %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proposition de nul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erreur de CRC.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>erreur crc plateau %s&lt;&gt;%s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Vous êtes connecté(e) en tant que partenaire.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Vous êtes connecté(e) en tant qu&apos;observateur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Récupération du modele de jeu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modèle de jeu illisible : ignoré.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sans titre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blanc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coup impossible. Erreur n° Erreur %d. (%s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acceptez-vous le nul ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nul accepté</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nul refusé</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Un fichier porte déjà ce nom. Oui le remplace par la partie en cours ; Non ne change rien.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choisit le plateau et les règles de la prochaine partie.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commence une nouvelle partie : les joueurs, leurs couleurs et leurs niveaux.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choisit contre qui vous jouez.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Une partie contre l&apos;ordinateur.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Une partie entre deux personnes devant le même écran.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deux ordinateurs jouent l&apos;un contre l&apos;autre pendant que vous regardez.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reprend une partie enregistrée (fichier .Vtl).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistre la partie dans son fichier.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistre la partie sous un nouveau nom.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dessine un plateau à vous : cases, liaisons et moulins.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imprime le déroulement de la partie.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revoit la partie coup par coup, comme un film.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quitte Vantorel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copie l&apos;image du plateau dans le presse-papiers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copie la liste des coups dans le presse-papiers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tourne le plateau d&apos;un huitième de tour.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le plateau classique, vu de dessus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un plateau de bois ancien, vu de dessus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le plateau classique en relief.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un plateau de fête en relief.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Des pièces de monnaie en guise de pions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Des planètes en guise de pions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un cercle de pierres levées.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;ordinateur joue vite et sans réfléchir loin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;ordinateur regarde quelques coups en avant.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;ordinateur calcule plus loin à chaque coup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;ordinateur réfléchit pendant un temps donné.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deux secondes par coup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cinq secondes par coup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trente secondes par coup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Une minute par coup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deux minutes par coup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Demande à l&apos;ordinateur le coup qu&apos;il jouerait à votre place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Règle les animations, les sons, la musique et l&apos;affichage.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Affiche ou cache le numéro de chaque case.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valide vos choix et ferme la fenêtre.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ferme la fenêtre sans rien changer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rapproche le plateau tant que le bouton est enfoncé.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Éloigne le plateau tant que le bouton est enfoncé.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reprend le dernier coup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rejoue le coup repris.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrête ou relance la partie entre deux ordinateurs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ouvre l&apos;aide de cette fenêtre.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le programme se prépare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cliquez sur une case pour jouer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cliquez sur une case pour jouer ; faites glisser le plateau pour le tourner.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choisit l&apos;apparence du plateau.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copie l&apos;image ou le script de la partie.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choisit la force de l&apos;ordinateur.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;ordinateur joue tout de suite le meilleur coup trouvé jusque-là.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Propose à l&apos;adversaire de terminer la partie sur un match nul.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ouvre le sommaire de l&apos;aide.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cliquez ensuite sur un élément pour savoir à quoi il sert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Montre une astuce au démarrage.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La partie est finie.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oui abandonne la partie en cours, Non l&apos;enregistre d&apos;abord, Annuler la garde.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choisissez le genre de partie, puis les joueurs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appeler l&apos;autre joueur, ou attendre son appel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La couleur de vos pions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le nom du joueur : choisissez-le dans la liste ou tapez-en un nouveau.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;adresse de l&apos;ordinateur à appeler.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;adresse de cet ordinateur sur le réseau.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La force de l&apos;ordinateur.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La partie commence tout de suite, ou à votre signal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ce qui se passe à la fin de chaque partie.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Les dés tirent le joueur qui commence. Cliquez pour les relancer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un moulin qui s&apos;ouvre et se referme à chaque coup prend une pièce à chaque fois : tâchez d&apos;en construire un que l&apos;adversaire ne peut pas bloquer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab et Maj+Tab déplacent le curseur d&apos;une case à l&apos;autre ; Entrée joue la case choisie. On peut jouer sans souris.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>« Revoir la partie » rejoue la partie depuis le début ; la glissière permet d&apos;aller directement à n&apos;importe quel coup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choisissez un plateau dans la liste ; l&apos;aperçu montre ses cases et ses moulins.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Réglez la recherche, puis demandez le coup conseillé.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pas d&apos;aide pour cet élément.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aide de Vantorel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Précédent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suivant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sommaire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cette page d&apos;aide est introuvable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Astuce du jour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Le plateau n&apos;a aucun champ.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TGamePrinter</name>
    <message>
        <source>l&apos;imprimante refuse le document</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMainWindow</name>
    <message>
        <source>Impression en cours sur %s. Patientez quelques secondes...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Néophyte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Débutant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avancé</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 secondes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 secondes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30 secondes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>60 secondes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 D classique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2D Moyen-âge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 D classique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 D anniversaire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 D Euros contre dollars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 D Planètes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3D Stonehenge</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TNetSession</name>
    <message>
        <source>Le socket a reçu un message d erreur inconnu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Une erreur est survenue lors d une tentative d écriture sur la connexion socket.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Une erreur est survenue lors d une tentative de lecture sur la connexion socket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Une demande de connexion n a pas pu être achevée. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Une erreur est survenue lors d une tentative de fermeture d une connexion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un problème s est produit lors d une tentative connexion cliente.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSplashForm</name>
    <message>
        <source>Le jeu du moulin sur tous les plateaux</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorel::TApropos</name>
    <message>
        <source>A propos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le jeu du moulin sur tous les plateaux.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 1.1 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorel::TFConnexion</name>
    <message>
        <source>Nouvelle partie...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choix de l&apos;adversaire.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Humain contre ordinateur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Humain contre Humain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jeu en réseau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordinateur contre ordinateur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choisissez le genre de partie, puis les joueurs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couleur du joueur démarrant la partie. Ce joueur est choisi aléatoirement.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le joueur Blanc a le trait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Les dés tirent le joueur qui commence : le plus fort l&apos;emporte, noir en cas d&apos;égalité. Cliquez sur un dé pour les relancer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commence la partie choisie.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ferme cette fenêtre sans rien changer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ouvre l&apos;aide de cette fenêtre.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le nom du joueur : choisissez-le dans la liste ou tapez-en un nouveau.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neophyte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debutant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avancé</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temps limité à 2 secondes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temps limité à 5 secondes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temps limité à 30 secondes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temps limité à 60 secondes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temps limité à 2 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La force de l&apos;ordinateur : une profondeur de calcul ou un temps.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Les blancs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Les noirs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La couleur de vos pions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Votre nom :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vous jouez :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Niveau de l&apos;ordinateur :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joueur blanc :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joueur noir :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appeller un adversaire (jouer le rôle du client)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attendre qu&apos;un adversaire vous appelle (remplir le rôle du serveur)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appeler l&apos;autre joueur, ou attendre son appel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Donnez cette adresse à votre adversaire pour qu&apos;il vous appelle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vous êtes bien connecté à un réseau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention ! Vous n&apos;êtes connecté à aucun réseau !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;adresse de cet ordinateur sur le réseau.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adresse de l&apos;adversaire :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;adresse de l&apos;ordinateur à appeler.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Votre couleur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Votre pseudo :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Démarrer la partie dès la fermeture de cette fenêtre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attendre la pression d&apos;une touche au clavier ou un click de souris</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quand la partie commence.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pas de jeu en boucle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jeu en boucle, en gardant le thème et le plateau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jeu en boucle en changeant de thème</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jeu en boucle en changeant de thème et de plateau </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jeu en boucle en changeant de plateau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ce qui se passe à la fin de chaque partie.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blancs :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Niveau des blancs :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noirs :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Niveau des noirs :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Départ :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enchaînement :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le joueur %1 a le trait.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blanc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adresse IP incorrecte ou ordinateur inconnu !</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorel::TFReseau</name>
    <message>
        <source>Connexion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fermer et choisir une nouvelle partie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envoyer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envoyer le texte à son partenaire de jeu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smiley sourire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smiley complice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smiley désaprobateur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Les ordinateurs connectés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envoyer un texte à son partenaire de jeu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Votre adversaire propose le nul. Acceptez-vous le nul ?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorel::TForm_conseil</name>
    <message>
        <source>Suggérer un coup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blanc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alpha-Bêta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Negascout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AB-Dual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AB-SSS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MTDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Algorithme de recherche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profondeur de la recherche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Détaillée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode d&apos;évaluation des positions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Algorithme  de recherche :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profondeur de recherche :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode d&apos;évaluation des positions :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Détail du coup proposé.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calculer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lance le calcul des coups possibles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ferme la fenêtre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Jouer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joue le coup proposé</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ouvre le fichier d&apos;aide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Micro-Aide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prêt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coup trouve en %1 ms. %2 positions examinées</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position de départ</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorel::TMainWindow</name>
    <message>
        <source>&amp;Fichier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nouveau &amp;jeu...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nouvelle Partie...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adversaires</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Humain contre ordinateur...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Humain contre humain...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordinateur contre ordinateur...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jeu en réseau...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ouvrir...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistrer &amp;sous...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;diteur de plateau...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Im&amp;primer la partie...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Revoir la partie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;image du jeu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le script de la partie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rotation d&apos;un quart de tour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Numéroter les cases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Jeu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Affichage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Niveau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temps limité</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proposer un coup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coup &amp;précédent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coup &amp;suivant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proposer null</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sommaire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qu&apos;est ce que c&apos;est ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Astuce du jour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;A propos...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotation à droite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numéroter le plateau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barre d&apos;outils</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Afficher les numéros</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom avant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom arrière</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tourner d&apos;un quart de tour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coup précédent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coup suivant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revoir la partie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrête la partie en cours.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cette fonction n&apos;est pas encore disponible dans cette version de Vantorel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abandonner la partie en cours (%1 / %2) ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistrer sous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fichier Vantorel (*.Vtl)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fichiers Vantorel (*.Vtl)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lecture impossible.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sans titre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ecraser le fichier existant ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calcul de la numérotation. Patientez quelques secondes...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;ordinateur réfléchit... %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jouer &amp;maintenant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joueur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordinateur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joueur 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joueur 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordinateur 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordinateur 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue la partie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (blancs) vs </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (noirs).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barre d&apos;outils &quot;Film&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retour en mode jeu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retour rapide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lecture inverse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lecture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avance rapide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Film</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Jouer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Avance rapide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Retour rapide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorel::TNetSession</name>
    <message>
        <source>En attente d&apos;un adversaire sur le port %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connexion vers %1 terminée.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Déconnexion de %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trop de connexions : %1 refusé.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connexion de %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message trop long de %1 : connexion coupée.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trop de messages de %1 : connexion coupée.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moi</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorel::TOptions1</name>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vitesse animation :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Durée maximale :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vitesse dés :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom avec la molette de la souris</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Déplacement camera avec touches flèches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Textures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bruitages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Musique de fond activée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choisir aléatoirement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fichiers sons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ajouter...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supprimer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Musiques de fond</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 secondes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fichiers MIDI (*.Mid *.mid *.MID);;Fichiers WAV (*.wav *.Wav *.WAV);;Fichiers MP3 (*.mp3 *.MP3);;Fichiers SUN (*.au *.AU)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ajouter une musique</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorel::Tchoix_jeux</name>
    <message>
        <source>Choix d&apos;un jeu de Quelmars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liste des variantes disponibles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Réinitialise le jeu avec la variante sélectionnée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ferme la fenêtre en ignorant la variante sélectionnée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ouvre le fichier d&apos;aide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description de la variante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nom de la variante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nombre de cases de la variante sélectionnée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nombre de moulins possibles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nombre de pions accordés à chaque joueur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sauts autorisés dans la 3eme phase du jeu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sauts non autorisés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sauts autorisés tout le long du jeu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seul les pions ne faisant pas partie d&apos;un moulin peuvent être pris</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pions ne faisant pas partie d&apos;un moulin ou pions en réserve sinon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pions ne faisant pas partie d&apos;un moulin, sinon pions en réserve, sinon tous le pions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pions ne faisant pas partie d&apos;un moulin, sinon pions en réserve, sinon tous les pions si phase 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pas de dés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dés dans la première partie uniquement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prises possibles dans la 1ere phase du jeu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nom :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nb moulins possibles :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nb cases : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nb de pions :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prises :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sauts:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Des:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ouvre la variante sélectionnée dans l&apos;éditeur</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorel::editor::TFModele</name>
    <message>
        <source>Sauts autorisés en 3eme phase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sauts non autorisés tout le long du jeu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sauts autorisés tout le long du jeu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seul les pions ne faisant pas partie d&apos;un moulin peuvent être pris</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pions ne faisant pas partie d&apos;un moulin ou pions en réserve sinon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pions ne faisant pas partie d&apos;un moulin, sinon pions en réserve, sinon tous le pions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pions ne faisant pas partie d&apos;un moulin, sinon pions en réserve, sinon tous les pions si phase 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pas de dés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dés dans la première partie uniquement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Définition d&apos;un modèle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tablier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moulins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nouveau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modele vide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Créer à partir de...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ouvrir...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un fichier... </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un modele reconnu...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supprimer le modèle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistrer...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistrer sous...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appliquer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconnaître ce plateau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imprimer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sélectionner tout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supprimer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode sélection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ajoute un champ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supprime les éléments sélectionnés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relie les éléments sélectionnés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supprime les liaisons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aligne les champs sélectionnés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Renumérote les plots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Centre le modèle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retourner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Renverser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nom :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nombre de pions :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nombre de champs :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nombre de liaisons :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sauts :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prises :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prises possibles dans la 1ere phase du jeu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Des :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description de la variante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Définition des moulins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liste des moulins possibles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rechercher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recherche automatiquement les moulins possibles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supprime le moulin sélectionné</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le fichier &quot;%1&quot; a changé.
Voulez-vous enregistrer les changements ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modèles Vantorel (*.Mdl)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ecraser le fichier existant ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fichier modèle Vantorel (*.Mdl)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cette fonction n&apos;est pas encore disponible dans cette version de Vantorel.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
