<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="fr_FR">
<context>
    <name>Catalogue</name>
    <message>
        <source>Chargement du programme... Veuillez patienter.</source>
        <translation>Loading the program... Please wait.</translation>
    </message>
    <message>
        <source>Veuillez patienter...</source>
        <translation>Please wait...</translation>
    </message>
    <message>
        <source>Lancement des dés %s en cours... Veuillez patienter</source>
        <translation>Rolling the dice for %s... Please wait</translation>
    </message>
    <message>
        <source>Résultat des dés : %d-%d-%d. Cliquez sur le plateau pour continuer...</source>
        <translation>Dice: %d-%d-%d. Click the board to go on...</translation>
    </message>
    <message>
        <source>Résultat des dés : %d-%d-%d. Patientez...</source>
        <translation>Dice: %d-%d-%d. Please wait...</translation>
    </message>
    <message>
        <source>Attente du lancemente de dés...</source>
        <translation>Waiting for the dice to be rolled...</translation>
    </message>
    <message>
        <source>Les noirs jouent : </source>
        <translation>Black plays: </translation>
    </message>
    <message>
        <source>Les blancs jouent : </source>
        <translation>White plays: </translation>
    </message>
    <message>
        <source>Partie terminée. Victoire des blancs</source>
        <translation>Game over. White wins</translation>
    </message>
    <message>
        <source>Partie terminée. Victoire des noirs</source>
        <translation>Game over. Black wins</translation>
    </message>
    <message>
        <source>Partie terminée. match null</source>
        <translation>Game over. A draw</translation>
    </message>
    <message>
        <source>Cliquez sur une case pour commencer la partie.</source>
        <translation>Click a point to start the game.</translation>
    </message>
    <message>
        <source>C&apos;est à vous de placer un jeton.</source>
        <translation>Your turn to place a piece.</translation>
    </message>
    <message>
        <source>Sélectionnez un pion à déplacer.</source>
        <translation>Select a piece to move.</translation>
    </message>
    <message>
        <source>Sélectionnez un pion à prendre.</source>
        <translation>Select a piece to take.</translation>
    </message>
    <message>
        <source>L&apos;ordinateur réfléchit au prochain coup...</source>
        <translation>The computer is thinking about its next move...</translation>
    </message>
    <message>
        <source>C&apos;est à %s (%s) de placer un jeton.</source>
        <translation>It is %s&apos;s turn (%s) to place a piece.</translation>
    </message>
    <message>
        <source>C&apos;est à %s (%s) de sélectionner un jeton à déplacer.</source>
        <translation>It is %s&apos;s turn (%s) to select a piece to move.</translation>
    </message>
    <message>
        <source>Appuyez sur une touche ou cliquez sur la jeu avec la souris pour lancer le jeu</source>
        <translation>Press a key or click the board to start the game</translation>
    </message>
    <message>
        <source>Noirs</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>Blancs</source>
        <translation>White</translation>
    </message>
    <message>
        <source>-Distant</source>
        <translation>-Remote</translation>
    </message>
    <message>
        <source>-Local</source>
        <translation>-Local</translation>
    </message>
    <message>
        <source>Enregistrement impossible ! %s</source>
        <translation>Cannot save! %s</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir la boite de dialogue. %s</source>
        <translation>Cannot open the dialog. %s</translation>
    </message>
    <message>
        <source>Erreur de CRC !</source>
        <translation>Checksum error!</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir le fichier. %s</source>
        <translation>Cannot open the file. %s</translation>
    </message>
    <message>
        <source>Erreur dans le format du fichier. Modele incompatible.</source>
        <translation>Error in the file format. Incompatible board.</translation>
    </message>
    <message>
        <source>Erreur dans le format du fichier.</source>
        <translation>Error in the file format.</translation>
    </message>
    <message>
        <source>Problème d&apos;impression : %s</source>
        <translation>Printing problem: %s</translation>
    </message>
    <message>
        <source>Action interdite. %s</source>
        <translation>Action not allowed. %s</translation>
    </message>
    <message>
        <source>Erreur inconnue %s</source>
        <translation>Unknown error %s</translation>
    </message>
    <message>
        <source>Proposition de nul</source>
        <translation>Draw offered</translation>
    </message>
    <message>
        <source>Erreur de CRC.</source>
        <translation>Checksum error.</translation>
    </message>
    <message>
        <source>erreur crc plateau %s&lt;&gt;%s</source>
        <translation>board checksum error %s&lt;&gt;%s</translation>
    </message>
    <message>
        <source> Vous êtes connecté(e) en tant que partenaire.</source>
        <translation> You are connected as the partner.</translation>
    </message>
    <message>
        <source> Vous êtes connecté(e) en tant qu&apos;observateur</source>
        <translation> You are connected as an observer</translation>
    </message>
    <message>
        <source>Récupération du modele de jeu.</source>
        <translation>Receiving the board.</translation>
    </message>
    <message>
        <source>Modèle de jeu illisible : ignoré.</source>
        <translation>Unreadable board: ignored.</translation>
    </message>
    <message>
        <source>Sans titre</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Blanc</source>
        <translation>White</translation>
    </message>
    <message>
        <source>Noir</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>Coup impossible. Erreur n° Erreur %d. (%s)</source>
        <translation>Illegal move. Error no. %d. (%s)</translation>
    </message>
    <message>
        <source>Acceptez-vous le nul ?</source>
        <translation>Do you accept the draw?</translation>
    </message>
    <message>
        <source>Nul accepté</source>
        <translation>Draw accepted</translation>
    </message>
    <message>
        <source>Nul refusé</source>
        <translation>Draw refused</translation>
    </message>
    <message>
        <source>Le plateau a plus de 200 champs.</source>
        <translation>The board has more than 200 points.</translation>
    </message>
    <message>
        <source>Le plateau a plus de 1000 liaisons.</source>
        <translation>The board has more than 1000 links.</translation>
    </message>
    <message>
        <source>Le plateau a plus de 1000 moulins.</source>
        <translation>The board has more than 1000 mills.</translation>
    </message>
    <message>
        <source>Un champ est hors du plateau.</source>
        <translation>A point lies outside the board.</translation>
    </message>
    <message>
        <source>Valeur de propriété incorrecte</source>
        <translation>Invalid property value</translation>
    </message>
    <message>
        <source>Erreur de lecture du flux</source>
        <translation>Error reading the stream</translation>
    </message>
    <message>
        <source>Erreur d&apos;écriture du flux</source>
        <translation>Error writing the stream</translation>
    </message>
    <message>
        <source>Le plateau a plus de 128 points.</source>
        <translation>The board has more than 128 points.</translation>
    </message>
    <message>
        <source>Le nombre de pions par joueur doit être compris entre 0 et 127.</source>
        <translation>The number of pieces per player must be between 0 and 127.</translation>
    </message>
    <message>
        <source>Une liaison désigne un point inexistant.</source>
        <translation>A link names a point that does not exist.</translation>
    </message>
    <message>
        <source>Un moulin désigne un point inexistant.</source>
        <translation>A mill names a point that does not exist.</translation>
    </message>
    <message>
        <source>Un moulin répète un point.</source>
        <translation>A mill repeats a point.</translation>
    </message>
    <message>
        <source>Le tablier a trop de points, de liens ou de moulins.</source>
        <translation>The board has too many points, links or mills.</translation>
    </message>
    <message>
        <source>La description est trop longue (64 Kio et 10000 lignes au plus).</source>
        <translation>The description is too long (64 KiB and 10000 lines at most).</translation>
    </message>
    <message>
        <source>Le nom de la variante est trop long.</source>
        <translation>The variant&apos;s name is too long.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Un fichier porte déjà ce nom. Oui le remplace par la partie en cours ; Non ne change rien.</source>
        <translation>A file of that name exists. Yes replaces it with the current game; No changes nothing.</translation>
    </message>
    <message>
        <source>Choisit le plateau et les règles de la prochaine partie.</source>
        <translation>Chooses the board and the rules of the next game.</translation>
    </message>
    <message>
        <source>Commence une nouvelle partie : les joueurs, leurs couleurs et leurs niveaux.</source>
        <translation>Starts a new game: the players, their colours and their levels.</translation>
    </message>
    <message>
        <source>Choisit contre qui vous jouez.</source>
        <translation>Chooses whom you play against.</translation>
    </message>
    <message>
        <source>Une partie contre l&apos;ordinateur.</source>
        <translation>A game against the computer.</translation>
    </message>
    <message>
        <source>Une partie entre deux personnes devant le même écran.</source>
        <translation>A game between two people at the same screen.</translation>
    </message>
    <message>
        <source>Deux ordinateurs jouent l&apos;un contre l&apos;autre pendant que vous regardez.</source>
        <translation>Two computers play each other while you watch.</translation>
    </message>
    <message>
        <source>Reprend une partie enregistrée (fichier .Vtl).</source>
        <translation>Resumes a saved game (a .Vtl file).</translation>
    </message>
    <message>
        <source>Enregistre la partie dans son fichier.</source>
        <translation>Saves the game in its file.</translation>
    </message>
    <message>
        <source>Enregistre la partie sous un nouveau nom.</source>
        <translation>Saves the game under a new name.</translation>
    </message>
    <message>
        <source>Dessine un plateau à vous : cases, liaisons et moulins.</source>
        <translation>Draws a board of your own: points, links and mills.</translation>
    </message>
    <message>
        <source>Imprime le déroulement de la partie.</source>
        <translation>Prints the course of the game.</translation>
    </message>
    <message>
        <source>Revoit la partie coup par coup, comme un film.</source>
        <translation>Replays the game move by move, like a film.</translation>
    </message>
    <message>
        <source>Quitte Vantorel.</source>
        <translation>Quits Vantorel.</translation>
    </message>
    <message>
        <source>Copie l&apos;image du plateau dans le presse-papiers.</source>
        <translation>Copies the board&apos;s picture to the clipboard.</translation>
    </message>
    <message>
        <source>Copie la liste des coups dans le presse-papiers.</source>
        <translation>Copies the list of moves to the clipboard.</translation>
    </message>
    <message>
        <source>Tourne le plateau d&apos;un huitième de tour.</source>
        <translation>Turns the board by an eighth of a turn.</translation>
    </message>
    <message>
        <source>Le plateau classique, vu de dessus.</source>
        <translation>The classic board, seen from above.</translation>
    </message>
    <message>
        <source>Un plateau de bois ancien, vu de dessus.</source>
        <translation>An old wooden board, seen from above.</translation>
    </message>
    <message>
        <source>Le plateau classique en relief.</source>
        <translation>The classic board in relief.</translation>
    </message>
    <message>
        <source>Un plateau de fête en relief.</source>
        <translation>A festive board in relief.</translation>
    </message>
    <message>
        <source>Des pièces de monnaie en guise de pions.</source>
        <translation>Coins for pieces.</translation>
    </message>
    <message>
        <source>Des planètes en guise de pions.</source>
        <translation>Planets for pieces.</translation>
    </message>
    <message>
        <source>Un cercle de pierres levées.</source>
        <translation>A circle of standing stones.</translation>
    </message>
    <message>
        <source>L&apos;ordinateur joue vite et sans réfléchir loin.</source>
        <translation>The computer plays fast, without looking far ahead.</translation>
    </message>
    <message>
        <source>L&apos;ordinateur regarde quelques coups en avant.</source>
        <translation>The computer looks a few moves ahead.</translation>
    </message>
    <message>
        <source>L&apos;ordinateur calcule plus loin à chaque coup.</source>
        <translation>The computer looks further ahead at each move.</translation>
    </message>
    <message>
        <source>L&apos;ordinateur réfléchit pendant un temps donné.</source>
        <translation>The computer thinks for a given time.</translation>
    </message>
    <message>
        <source>Deux secondes par coup.</source>
        <translation>Two seconds a move.</translation>
    </message>
    <message>
        <source>Cinq secondes par coup.</source>
        <translation>Five seconds a move.</translation>
    </message>
    <message>
        <source>Trente secondes par coup.</source>
        <translation>Thirty seconds a move.</translation>
    </message>
    <message>
        <source>Une minute par coup.</source>
        <translation>One minute a move.</translation>
    </message>
    <message>
        <source>Deux minutes par coup.</source>
        <translation>Two minutes a move.</translation>
    </message>
    <message>
        <source>Demande à l&apos;ordinateur le coup qu&apos;il jouerait à votre place.</source>
        <translation>Asks the computer which move it would play in your place.</translation>
    </message>
    <message>
        <source>Règle les animations, les sons, la musique et l&apos;affichage.</source>
        <translation>Sets the animations, the sounds, the music and the display.</translation>
    </message>
    <message>
        <source>Affiche ou cache le numéro de chaque case.</source>
        <translation>Shows or hides the number of each point.</translation>
    </message>
    <message>
        <source>Valide vos choix et ferme la fenêtre.</source>
        <translation>Confirms your choices and closes the window.</translation>
    </message>
    <message>
        <source>Ferme la fenêtre sans rien changer.</source>
        <translation>Closes the window without changing anything.</translation>
    </message>
    <message>
        <source>Rapproche le plateau tant que le bouton est enfoncé.</source>
        <translation>Brings the board closer while the button is held down.</translation>
    </message>
    <message>
        <source>Éloigne le plateau tant que le bouton est enfoncé.</source>
        <translation>Moves the board away while the button is held down.</translation>
    </message>
    <message>
        <source>Reprend le dernier coup.</source>
        <translation>Takes back the last move.</translation>
    </message>
    <message>
        <source>Rejoue le coup repris.</source>
        <translation>Plays the move taken back again.</translation>
    </message>
    <message>
        <source>Arrête ou relance la partie entre deux ordinateurs.</source>
        <translation>Stops or resumes the game between two computers.</translation>
    </message>
    <message>
        <source>Ouvre l&apos;aide de cette fenêtre.</source>
        <translation>Opens this window&apos;s help.</translation>
    </message>
    <message>
        <source>Le programme se prépare.</source>
        <translation>The program is getting ready.</translation>
    </message>
    <message>
        <source>Cliquez sur une case pour jouer.</source>
        <translation>Click a point to play.</translation>
    </message>
    <message>
        <source>Cliquez sur une case pour jouer ; faites glisser le plateau pour le tourner.</source>
        <translation>Click a point to play; drag the board to turn it.</translation>
    </message>
    <message>
        <source>Choisit l&apos;apparence du plateau.</source>
        <translation>Chooses the look of the board.</translation>
    </message>
    <message>
        <source>Copie l&apos;image ou le script de la partie.</source>
        <translation>Copies the game&apos;s picture or its script.</translation>
    </message>
    <message>
        <source>Choisit la force de l&apos;ordinateur.</source>
        <translation>Chooses the computer&apos;s strength.</translation>
    </message>
    <message>
        <source>L&apos;ordinateur joue tout de suite le meilleur coup trouvé jusque-là.</source>
        <translation>The computer plays at once the best move it has found so far.</translation>
    </message>
    <message>
        <source>Propose à l&apos;adversaire de terminer la partie sur un match nul.</source>
        <translation>Offers the opponent to end the game in a draw.</translation>
    </message>
    <message>
        <source>Ouvre le sommaire de l&apos;aide.</source>
        <translation>Opens the help&apos;s contents.</translation>
    </message>
    <message>
        <source>Cliquez ensuite sur un élément pour savoir à quoi il sert.</source>
        <translation>Then click something to learn what it is for.</translation>
    </message>
    <message>
        <source>Montre une astuce au démarrage.</source>
        <translation>Shows a tip at start-up.</translation>
    </message>
    <message>
        <source>La partie est finie.</source>
        <translation>The game is over.</translation>
    </message>
    <message>
        <source>Oui abandonne la partie en cours, Non l&apos;enregistre d&apos;abord, Annuler la garde.</source>
        <translation>Yes abandons the current game, No saves it first, Cancel keeps it.</translation>
    </message>
    <message>
        <source>Choisissez le genre de partie, puis les joueurs.</source>
        <translation>Choose the kind of game, then the players.</translation>
    </message>
    <message>
        <source>Appeler l&apos;autre joueur, ou attendre son appel.</source>
        <translation>Call the other player, or wait for their call.</translation>
    </message>
    <message>
        <source>La couleur de vos pions.</source>
        <translation>The colour of your pieces.</translation>
    </message>
    <message>
        <source>Le nom du joueur : choisissez-le dans la liste ou tapez-en un nouveau.</source>
        <translation>The player&apos;s name: choose it from the list or type a new one.</translation>
    </message>
    <message>
        <source>L&apos;adresse de l&apos;ordinateur à appeler.</source>
        <translation>The address of the computer to call.</translation>
    </message>
    <message>
        <source>L&apos;adresse de cet ordinateur sur le réseau.</source>
        <translation>This computer&apos;s address on the network.</translation>
    </message>
    <message>
        <source>La force de l&apos;ordinateur.</source>
        <translation>The computer&apos;s strength.</translation>
    </message>
    <message>
        <source>La partie commence tout de suite, ou à votre signal.</source>
        <translation>The game starts at once, or at your signal.</translation>
    </message>
    <message>
        <source>Ce qui se passe à la fin de chaque partie.</source>
        <translation>What happens at the end of each game.</translation>
    </message>
    <message>
        <source>Les dés tirent le joueur qui commence. Cliquez pour les relancer.</source>
        <translation>The dice draw the player who starts. Click to roll them again.</translation>
    </message>
    <message>
        <source>Un moulin qui s&apos;ouvre et se referme à chaque coup prend une pièce à chaque fois : tâchez d&apos;en construire un que l&apos;adversaire ne peut pas bloquer.</source>
        <translation>A mill that opens and closes again at every move takes a piece each time: try to build one your opponent cannot block.</translation>
    </message>
    <message>
        <source>Tab et Maj+Tab déplacent le curseur d&apos;une case à l&apos;autre ; Entrée joue la case choisie. On peut jouer sans souris.</source>
        <translation>Tab and Shift+Tab move the cursor from point to point; Enter plays the chosen point. You can play without a mouse.</translation>
    </message>
    <message>
        <source>« Revoir la partie » rejoue la partie depuis le début ; la glissière permet d&apos;aller directement à n&apos;importe quel coup.</source>
        <translation>&quot;Replay the game&quot; plays the game again from the start; the slider goes straight to any move.</translation>
    </message>
    <message>
        <source>Choisissez un plateau dans la liste ; l&apos;aperçu montre ses cases et ses moulins.</source>
        <translation>Choose a board in the list; the preview shows its points and its mills.</translation>
    </message>
    <message>
        <source>Réglez la recherche, puis demandez le coup conseillé.</source>
        <translation>Set up the search, then ask for the suggested move.</translation>
    </message>
    <message>
        <source>Pas d&apos;aide pour cet élément.</source>
        <translation>No help for this item.</translation>
    </message>
    <message>
        <source>Aide de Vantorel</source>
        <translation>Vantorel Help</translation>
    </message>
    <message>
        <source>Précédent</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Suivant</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Sommaire</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Cette page d&apos;aide est introuvable.</source>
        <translation>This help page cannot be found.</translation>
    </message>
    <message>
        <source>Astuce du jour</source>
        <translation>Tip of the day</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Choisit la langue des menus, des messages et de l&apos;aide.</source>
        <translation>Chooses the language of the menus, the messages and the help.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Le plateau n&apos;a aucun champ.</source>
        <translation>The board has no points.</translation>
    </message>
</context>
<context>
    <name>TGamePrinter</name>
    <message>
        <source>l&apos;imprimante refuse le document</source>
        <translation>the printer refuses the document</translation>
    </message>
</context>
<context>
    <name>TMainWindow</name>
    <message>
        <source>Impression en cours sur %s. Patientez quelques secondes...</source>
        <translation>Printing on %s. Please wait a few seconds...</translation>
    </message>
    <message>
        <source>Néophyte</source>
        <translation>Novice</translation>
    </message>
    <message>
        <source>Débutant</source>
        <translation>Beginner</translation>
    </message>
    <message>
        <source>Avancé</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>2 secondes</source>
        <translation>2 seconds</translation>
    </message>
    <message>
        <source>5 secondes</source>
        <translation>5 seconds</translation>
    </message>
    <message>
        <source>30 secondes</source>
        <translation>30 seconds</translation>
    </message>
    <message>
        <source>60 secondes</source>
        <translation>60 seconds</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2 minutes</translation>
    </message>
    <message>
        <source>2 D classique</source>
        <translation>2D classic</translation>
    </message>
    <message>
        <source>2D Moyen-âge</source>
        <translation>2D Middle Ages</translation>
    </message>
    <message>
        <source>3 D classique</source>
        <translation>3D classic</translation>
    </message>
    <message>
        <source>3 D anniversaire</source>
        <translation>3D birthday</translation>
    </message>
    <message>
        <source>3 D Euros contre dollars</source>
        <translation>3D euros against dollars</translation>
    </message>
    <message>
        <source>3 D Planètes</source>
        <translation>3D planets</translation>
    </message>
    <message>
        <source>3D Stonehenge</source>
        <translation>3D Stonehenge</translation>
    </message>
</context>
<context>
    <name>TNetSession</name>
    <message>
        <source>Le socket a reçu un message d erreur inconnu.</source>
        <translation>The socket received an unknown error.</translation>
    </message>
    <message>
        <source>Une erreur est survenue lors d une tentative d écriture sur la connexion socket.</source>
        <translation>An error occurred while writing to the connection.</translation>
    </message>
    <message>
        <source>Une erreur est survenue lors d une tentative de lecture sur la connexion socket</source>
        <translation>An error occurred while reading from the connection</translation>
    </message>
    <message>
        <source>Une demande de connexion n a pas pu être achevée. </source>
        <translation>A connection request could not be completed. </translation>
    </message>
    <message>
        <source>Une erreur est survenue lors d une tentative de fermeture d une connexion</source>
        <translation>An error occurred while closing a connection</translation>
    </message>
    <message>
        <source>Un problème s est produit lors d une tentative connexion cliente.</source>
        <translation>A problem occurred while calling as a client.</translation>
    </message>
</context>
<context>
    <name>TSplashForm</name>
    <message>
        <source>Le jeu du moulin sur tous les plateaux</source>
        <translation>The mill game on every board</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Vantorel, le jeu du moulin</source>
        <translation>Vantorel, the mill game</translation>
    </message>
    <message>
        <source>partie</source>
        <translation>game</translation>
    </message>
    <message>
        <source>Une partie enregistrée (.Vtl) à ouvrir.</source>
        <translation>A saved game (.Vtl) to open.</translation>
    </message>
    <message>
        <source>Attendre un adversaire sur le réseau.</source>
        <translation>Wait for an opponent on the network.</translation>
    </message>
    <message>
        <source>Appeler un adversaire (HOTE ou HOTE:PORT).</source>
        <translation>Call an opponent (HOST or HOST:PORT).</translation>
    </message>
    <message>
        <source>hote</source>
        <translation>host</translation>
    </message>
    <message>
        <source>Le port TCP du jeu en réseau.</source>
        <translation>The TCP port of the network game.</translation>
    </message>
</context>
<context>
    <name>vantorel::TApropos</name>
    <message>
        <source>A propos</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Le jeu du moulin sur tous les plateaux.</source>
        <translation>The mill game on every board.</translation>
    </message>
    <message>
        <source>Site : </source>
        <translation>Site: </translation>
    </message>
    <message>
        <source>Contact : </source>
        <translation>Contact: </translation>
    </message>
    <message>
        <source>Version 1.1 </source>
        <translation>Version 1.1 </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>vantorel::TFConnexion</name>
    <message>
        <source>Nouvelle partie...</source>
        <translation>New game...</translation>
    </message>
    <message>
        <source>Choix de l&apos;adversaire.</source>
        <translation>Choice of the opponent.</translation>
    </message>
    <message>
        <source>Humain contre ordinateur</source>
        <translation>Human against computer</translation>
    </message>
    <message>
        <source>Humain contre Humain</source>
        <translation>Human against human</translation>
    </message>
    <message>
        <source>Jeu en réseau</source>
        <translation>Network game</translation>
    </message>
    <message>
        <source>Ordinateur contre ordinateur</source>
        <translation>Computer against computer</translation>
    </message>
    <message>
        <source>Choisissez le genre de partie, puis les joueurs.</source>
        <translation>Choose the kind of game, then the players.</translation>
    </message>
    <message>
        <source>Couleur du joueur démarrant la partie. Ce joueur est choisi aléatoirement.</source>
        <translation>Colour of the player who starts the game. This player is drawn at random.</translation>
    </message>
    <message>
        <source>Le joueur Blanc a le trait</source>
        <translation>White to move</translation>
    </message>
    <message>
        <source>Les dés tirent le joueur qui commence : le plus fort l&apos;emporte, noir en cas d&apos;égalité. Cliquez sur un dé pour les relancer.</source>
        <translation>The dice draw the player who starts: the higher one wins, black on a tie. Click a die to roll them again.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Commence la partie choisie.</source>
        <translation>Starts the chosen game.</translation>
    </message>
    <message>
        <source>Ferme cette fenêtre sans rien changer.</source>
        <translation>Closes this window without changing anything.</translation>
    </message>
    <message>
        <source>Ouvre l&apos;aide de cette fenêtre.</source>
        <translation>Opens this window&apos;s help.</translation>
    </message>
    <message>
        <source>Le nom du joueur : choisissez-le dans la liste ou tapez-en un nouveau.</source>
        <translation>The player&apos;s name: choose it from the list or type a new one.</translation>
    </message>
    <message>
        <source>Neophyte</source>
        <translation>Novice</translation>
    </message>
    <message>
        <source>Debutant</source>
        <translation>Beginner</translation>
    </message>
    <message>
        <source>Avancé</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>Temps limité à 2 secondes</source>
        <translation>Time limited to 2 seconds</translation>
    </message>
    <message>
        <source>Temps limité à 5 secondes</source>
        <translation>Time limited to 5 seconds</translation>
    </message>
    <message>
        <source>Temps limité à 30 secondes</source>
        <translation>Time limited to 30 seconds</translation>
    </message>
    <message>
        <source>Temps limité à 60 secondes</source>
        <translation>Time limited to 60 seconds</translation>
    </message>
    <message>
        <source>Temps limité à 2 minutes</source>
        <translation>Time limited to 2 minutes</translation>
    </message>
    <message>
        <source>La force de l&apos;ordinateur : une profondeur de calcul ou un temps.</source>
        <translation>The computer&apos;s strength: a search depth or a time.</translation>
    </message>
    <message>
        <source>Les blancs</source>
        <translation>White</translation>
    </message>
    <message>
        <source>Les noirs</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>La couleur de vos pions.</source>
        <translation>The colour of your pieces.</translation>
    </message>
    <message>
        <source>Votre nom :</source>
        <translation>Your name:</translation>
    </message>
    <message>
        <source>Vous jouez :</source>
        <translation>You play:</translation>
    </message>
    <message>
        <source>Niveau de l&apos;ordinateur :</source>
        <translation>Computer&apos;s level:</translation>
    </message>
    <message>
        <source>Joueur blanc :</source>
        <translation>White player:</translation>
    </message>
    <message>
        <source>Joueur noir :</source>
        <translation>Black player:</translation>
    </message>
    <message>
        <source>Appeller un adversaire (jouer le rôle du client)</source>
        <translation>Call an opponent (play the client)</translation>
    </message>
    <message>
        <source>Attendre qu&apos;un adversaire vous appelle (remplir le rôle du serveur)</source>
        <translation>Wait for an opponent to call you (play the server)</translation>
    </message>
    <message>
        <source>Appeler l&apos;autre joueur, ou attendre son appel.</source>
        <translation>Call the other player, or wait for their call.</translation>
    </message>
    <message>
        <source>Donnez cette adresse à votre adversaire pour qu&apos;il vous appelle.</source>
        <translation>Give this address to your opponent so that they can call you.</translation>
    </message>
    <message>
        <source>Vous êtes bien connecté à un réseau</source>
        <translation>You are connected to a network</translation>
    </message>
    <message>
        <source>Attention ! Vous n&apos;êtes connecté à aucun réseau !</source>
        <translation>Warning! You are not connected to any network!</translation>
    </message>
    <message>
        <source>L&apos;adresse de cet ordinateur sur le réseau.</source>
        <translation>This computer&apos;s address on the network.</translation>
    </message>
    <message>
        <source>Adresse de l&apos;adversaire :</source>
        <translation>Opponent&apos;s address:</translation>
    </message>
    <message>
        <source>L&apos;adresse de l&apos;ordinateur à appeler.</source>
        <translation>The address of the computer to call.</translation>
    </message>
    <message>
        <source>Votre couleur</source>
        <translation>Your colour</translation>
    </message>
    <message>
        <source>Votre pseudo :</source>
        <translation>Your nickname:</translation>
    </message>
    <message>
        <source>Démarrer la partie dès la fermeture de cette fenêtre</source>
        <translation>Start the game as soon as this window closes</translation>
    </message>
    <message>
        <source>Attendre la pression d&apos;une touche au clavier ou un click de souris</source>
        <translation>Wait for a key press or a mouse click</translation>
    </message>
    <message>
        <source>Quand la partie commence.</source>
        <translation>When the game starts.</translation>
    </message>
    <message>
        <source>Pas de jeu en boucle</source>
        <translation>No loop</translation>
    </message>
    <message>
        <source>Jeu en boucle, en gardant le thème et le plateau</source>
        <translation>Loop, keeping the theme and the board</translation>
    </message>
    <message>
        <source>Jeu en boucle en changeant de thème</source>
        <translation>Loop, changing the theme</translation>
    </message>
    <message>
        <source>Jeu en boucle en changeant de thème et de plateau </source>
        <translation>Loop, changing the theme and the board </translation>
    </message>
    <message>
        <source>Jeu en boucle en changeant de plateau</source>
        <translation>Loop, changing the board</translation>
    </message>
    <message>
        <source>Ce qui se passe à la fin de chaque partie.</source>
        <translation>What happens at the end of each game.</translation>
    </message>
    <message>
        <source>Blancs :</source>
        <translation>White:</translation>
    </message>
    <message>
        <source>Niveau des blancs :</source>
        <translation>White&apos;s level:</translation>
    </message>
    <message>
        <source>Noirs :</source>
        <translation>Black:</translation>
    </message>
    <message>
        <source>Niveau des noirs :</source>
        <translation>Black&apos;s level:</translation>
    </message>
    <message>
        <source>Départ :</source>
        <translation>Start:</translation>
    </message>
    <message>
        <source>Enchaînement :</source>
        <translation>Afterwards:</translation>
    </message>
    <message>
        <source>Le joueur %1 a le trait.</source>
        <translation>%1 to move.</translation>
    </message>
    <message>
        <source>Blanc</source>
        <translation>White</translation>
    </message>
    <message>
        <source>Noir</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>Adresse IP incorrecte ou ordinateur inconnu !</source>
        <translation>Wrong IP address or unknown computer!</translation>
    </message>
</context>
<context>
    <name>vantorel::TFReseau</name>
    <message>
        <source>Connexion</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Fermer et choisir une nouvelle partie</source>
        <translation>Close and choose a new game</translation>
    </message>
    <message>
        <source>Envoyer</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Envoyer le texte à son partenaire de jeu</source>
        <translation>Send the text to your partner</translation>
    </message>
    <message>
        <source>Smiley sourire</source>
        <translation>Smiling smiley</translation>
    </message>
    <message>
        <source>Smiley complice</source>
        <translation>Winking smiley</translation>
    </message>
    <message>
        <source>Smiley désaprobateur</source>
        <translation>Frowning smiley</translation>
    </message>
    <message>
        <source>Les ordinateurs connectés</source>
        <translation>The computers connected</translation>
    </message>
    <message>
        <source>Envoyer un texte à son partenaire de jeu</source>
        <translation>Send a text to your partner</translation>
    </message>
    <message>
        <source>Votre adversaire propose le nul. Acceptez-vous le nul ?</source>
        <translation>Your opponent offers a draw. Do you accept the draw?</translation>
    </message>
</context>
<context>
    <name>vantorel::TForm_conseil</name>
    <message>
        <source>Suggérer un coup</source>
        <translation>Suggest a move</translation>
    </message>
    <message>
        <source>Noir</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>Blanc</source>
        <translation>White</translation>
    </message>
    <message>
        <source>Alpha-Bêta</source>
        <translation>Alpha-Beta</translation>
    </message>
    <message>
        <source>Negascout</source>
        <translation>Negascout</translation>
    </message>
    <message>
        <source>AB-Dual</source>
        <translation>AB-Dual</translation>
    </message>
    <message>
        <source>AB-SSS</source>
        <translation>AB-SSS</translation>
    </message>
    <message>
        <source>MTDF</source>
        <translation>MTDF</translation>
    </message>
    <message>
        <source>Algorithme de recherche</source>
        <translation>Search algorithm</translation>
    </message>
    <message>
        <source>Profondeur de la recherche</source>
        <translation>Depth of the search</translation>
    </message>
    <message>
        <source>Détaillée</source>
        <translation>Detailed</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Mode d&apos;évaluation des positions</source>
        <translation>How positions are scored</translation>
    </message>
    <message>
        <source>Algorithme  de recherche :</source>
        <translation>Search algorithm:</translation>
    </message>
    <message>
        <source>Profondeur de recherche :</source>
        <translation>Search depth:</translation>
    </message>
    <message>
        <source>Mode d&apos;évaluation des positions :</source>
        <translation>Position scoring:</translation>
    </message>
    <message>
        <source>Détail du coup proposé.</source>
        <translation>The suggested move in detail.</translation>
    </message>
    <message>
        <source>&amp;Calculer</source>
        <translation>&amp;Compute</translation>
    </message>
    <message>
        <source>Lance le calcul des coups possibles</source>
        <translation>Starts computing the possible moves</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Ferme la fenêtre</source>
        <translation>Closes the window</translation>
    </message>
    <message>
        <source>&amp;Jouer</source>
        <translation>&amp;Play</translation>
    </message>
    <message>
        <source>Joue le coup proposé</source>
        <translation>Plays the suggested move</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Ouvre le fichier d&apos;aide</source>
        <translation>Opens the help</translation>
    </message>
    <message>
        <source>Micro-Aide</source>
        <translation>Quick help</translation>
    </message>
    <message>
        <source>Prêt</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Coup trouve en %1 ms. %2 positions examinées</source>
        <translation>Move found in %1 ms. %2 positions examined</translation>
    </message>
    <message>
        <source>Position de départ</source>
        <translation>Start position</translation>
    </message>
</context>
<context>
    <name>vantorel::TMainWindow</name>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Nouveau &amp;jeu...</source>
        <translation>New &amp;board...</translation>
    </message>
    <message>
        <source>Nouvelle Partie...</source>
        <translation>New Game...</translation>
    </message>
    <message>
        <source>Adversaires</source>
        <translation>Opponents</translation>
    </message>
    <message>
        <source>Humain contre ordinateur...</source>
        <translation>Human against computer...</translation>
    </message>
    <message>
        <source>Humain contre humain...</source>
        <translation>Human against human...</translation>
    </message>
    <message>
        <source>Ordinateur contre ordinateur...</source>
        <translation>Computer against computer...</translation>
    </message>
    <message>
        <source>Jeu en réseau...</source>
        <translation>Network game...</translation>
    </message>
    <message>
        <source>&amp;Ouvrir...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Enregistrer &amp;sous...</source>
        <translation>Save &amp;as...</translation>
    </message>
    <message>
        <source>E&amp;diteur de plateau...</source>
        <translation>Board e&amp;ditor...</translation>
    </message>
    <message>
        <source>Im&amp;primer la partie...</source>
        <translation>&amp;Print the game...</translation>
    </message>
    <message>
        <source>&amp;Revoir la partie</source>
        <translation>&amp;Replay the game</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Edition</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Copier</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>L&apos;image du jeu</source>
        <translation>The board&apos;s picture</translation>
    </message>
    <message>
        <source>Le script de la partie</source>
        <translation>The game script</translation>
    </message>
    <message>
        <source>&amp;Rotation d&apos;un quart de tour</source>
        <translation>&amp;Rotate a quarter turn</translation>
    </message>
    <message>
        <source>&amp;Numéroter les cases</source>
        <translation>&amp;Number the points</translation>
    </message>
    <message>
        <source>&amp;Jeu</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>&amp;Affichage</source>
        <translation>&amp;Display</translation>
    </message>
    <message>
        <source>Niveau</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Temps limité</source>
        <translation>Time limit</translation>
    </message>
    <message>
        <source>Proposer un coup...</source>
        <translation>Suggest a move...</translation>
    </message>
    <message>
        <source>Coup &amp;précédent</source>
        <translation>&amp;Previous move</translation>
    </message>
    <message>
        <source>Coup &amp;suivant</source>
        <translation>Ne&amp;xt move</translation>
    </message>
    <message>
        <source>Proposer null</source>
        <translation>Offer a draw</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Options...</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Sommaire</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Qu&apos;est ce que c&apos;est ?</source>
        <translation>What&apos;s this?</translation>
    </message>
    <message>
        <source>Astuce du jour</source>
        <translation>Tip of the day</translation>
    </message>
    <message>
        <source>&amp;A propos...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>Rotation à droite</source>
        <translation>Turn right</translation>
    </message>
    <message>
        <source>Numéroter le plateau</source>
        <translation>Number the board</translation>
    </message>
    <message>
        <source>Barre d&apos;outils</source>
        <translation>Tool bar</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Afficher les numéros</source>
        <translation>Show the numbers</translation>
    </message>
    <message>
        <source>Zoom avant</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Zoom arrière</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Tourner d&apos;un quart de tour</source>
        <translation>Turn a quarter turn</translation>
    </message>
    <message>
        <source>Coup précédent</source>
        <translation>Previous move</translation>
    </message>
    <message>
        <source>Coup suivant</source>
        <translation>Next move</translation>
    </message>
    <message>
        <source>Revoir la partie</source>
        <translation>Replay the game</translation>
    </message>
    <message>
        <source>Arrête la partie en cours.</source>
        <translation>Stops the current game.</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Cette fonction n&apos;est pas encore disponible dans cette version de Vantorel.</source>
        <translation>This function is not available yet in this version of Vantorel.</translation>
    </message>
    <message>
        <source>Abandonner la partie en cours (%1 / %2) ?</source>
        <translation>Abandon the current game (%1 / %2)?</translation>
    </message>
    <message>
        <source>Enregistrer sous</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Fichier Vantorel (*.Vtl)</source>
        <translation>Vantorel file (*.Vtl)</translation>
    </message>
    <message>
        <source>Fichiers Vantorel (*.Vtl)</source>
        <translation>Vantorel files (*.Vtl)</translation>
    </message>
    <message>
        <source>Lecture impossible.</source>
        <translation>Cannot read.</translation>
    </message>
    <message>
        <source>Ecraser le fichier existant ?</source>
        <translation>Overwrite the existing file?</translation>
    </message>
    <message>
        <source>Calcul de la numérotation. Patientez quelques secondes...</source>
        <translation>Numbering the points. Please wait a few seconds...</translation>
    </message>
    <message>
        <source>L&apos;ordinateur réfléchit... %1 s</source>
        <translation>The computer is thinking... %1 s</translation>
    </message>
    <message>
        <source>Jouer &amp;maintenant</source>
        <translation>Play &amp;now</translation>
    </message>
    <message>
        <source>Joueur</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Ordinateur</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Joueur 1</source>
        <translation>Player 1</translation>
    </message>
    <message>
        <source>Joueur 2</source>
        <translation>Player 2</translation>
    </message>
    <message>
        <source>Ordinateur 1</source>
        <translation>Computer 1</translation>
    </message>
    <message>
        <source>Ordinateur 2</source>
        <translation>Computer 2</translation>
    </message>
    <message>
        <source>Continue la partie</source>
        <translation>Continues the game</translation>
    </message>
    <message>
        <source> (blancs) vs </source>
        <translation> (white) vs </translation>
    </message>
    <message>
        <source> (noirs).</source>
        <translation> (black).</translation>
    </message>
    <message>
        <source>Barre d&apos;outils &quot;Film&quot;</source>
        <translation>&quot;Replay&quot; tool bar</translation>
    </message>
    <message>
        <source>Retour en mode jeu</source>
        <translation>Back to the game</translation>
    </message>
    <message>
        <source>Retour rapide</source>
        <translation>Fast rewind</translation>
    </message>
    <message>
        <source>Lecture inverse</source>
        <translation>Play backward</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Lecture</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Avance rapide</source>
        <translation>Fast forward</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>&amp;Film</source>
        <translation>&amp;Replay</translation>
    </message>
    <message>
        <source>&amp;Jouer</source>
        <translation>&amp;Play</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>Pa&amp;use</translation>
    </message>
    <message>
        <source>&amp;Avance rapide</source>
        <translation>&amp;Fast forward</translation>
    </message>
    <message>
        <source>&amp;Retour rapide</source>
        <translation>Fast &amp;rewind</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Langue</source>
        <translation>Language</translation>
    </message>
</context>
<context>
    <name>vantorel::TNetSession</name>
    <message>
        <source>En attente d&apos;un adversaire sur le port %1.</source>
        <translation>Waiting for an opponent on port %1.</translation>
    </message>
    <message>
        <source>Connexion vers %1 terminée.</source>
        <translation>Connected to %1.</translation>
    </message>
    <message>
        <source>Déconnexion de %1</source>
        <translation>%1 disconnected</translation>
    </message>
    <message>
        <source>Trop de connexions : %1 refusé.</source>
        <translation>Too many connections: %1 refused.</translation>
    </message>
    <message>
        <source>Connexion de %1.</source>
        <translation>%1 connected.</translation>
    </message>
    <message>
        <source>Message trop long de %1 : connexion coupée.</source>
        <translation>Message too long from %1: connection cut.</translation>
    </message>
    <message>
        <source>Trop de messages de %1 : connexion coupée.</source>
        <translation>Too many messages from %1: connection cut.</translation>
    </message>
    <message>
        <source>Moi</source>
        <translation>Me</translation>
    </message>
</context>
<context>
    <name>vantorel::TOptions1</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Vitesse animation :</source>
        <translation>Animation speed:</translation>
    </message>
    <message>
        <source>Durée maximale :</source>
        <translation>Longest animation:</translation>
    </message>
    <message>
        <source>Vitesse dés :</source>
        <translation>Dice speed:</translation>
    </message>
    <message>
        <source>Zoom avec la molette de la souris</source>
        <translation>Zoom with the mouse wheel</translation>
    </message>
    <message>
        <source>Déplacement camera avec touches flèches</source>
        <translation>Move the camera with the arrow keys</translation>
    </message>
    <message>
        <source>Textures</source>
        <translation>Textures</translation>
    </message>
    <message>
        <source>Bruitages</source>
        <translation>Sound effects</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Musique de fond activée</source>
        <translation>Background music on</translation>
    </message>
    <message>
        <source>Choisir aléatoirement</source>
        <translation>Random order</translation>
    </message>
    <message>
        <source>Fichiers sons</source>
        <translation>Sound files</translation>
    </message>
    <message>
        <source>Ajouter...</source>
        <translation>Add...</translation>
    </message>
    <message>
        <source>Supprimer</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Musiques de fond</source>
        <translation>Background music</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>%1 secondes.</source>
        <translation>%1 seconds.</translation>
    </message>
    <message>
        <source>Fichiers MIDI (*.Mid *.mid *.MID);;Fichiers WAV (*.wav *.Wav *.WAV);;Fichiers MP3 (*.mp3 *.MP3);;Fichiers SUN (*.au *.AU)</source>
        <translation>MIDI files (*.Mid *.mid *.MID);;WAV files (*.wav *.Wav *.WAV);;MP3 files (*.mp3 *.MP3);;SUN files (*.au *.AU)</translation>
    </message>
    <message>
        <source>Ajouter une musique</source>
        <translation>Add a song</translation>
    </message>
</context>
<context>
    <name>vantorel::Tchoix_jeux</name>
    <message>
        <source>Choix d&apos;un jeu de Quelmars</source>
        <translation>Choosing a Quelmars game</translation>
    </message>
    <message>
        <source>Liste des variantes disponibles</source>
        <translation>The variants available</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Réinitialise le jeu avec la variante sélectionnée</source>
        <translation>Starts the game again with the selected variant</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ferme la fenêtre en ignorant la variante sélectionnée</source>
        <translation>Closes the window, ignoring the selected variant</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Ouvre le fichier d&apos;aide</source>
        <translation>Opens the help</translation>
    </message>
    <message>
        <source>Description de la variante</source>
        <translation>Description of the variant</translation>
    </message>
    <message>
        <source>Nom de la variante</source>
        <translation>Name of the variant</translation>
    </message>
    <message>
        <source>Nombre de cases de la variante sélectionnée</source>
        <translation>Number of points of the selected variant</translation>
    </message>
    <message>
        <source>Nombre de moulins possibles</source>
        <translation>Number of possible mills</translation>
    </message>
    <message>
        <source>Nombre de pions accordés à chaque joueur</source>
        <translation>Number of pieces given to each player</translation>
    </message>
    <message>
        <source>Sauts autorisés dans la 3eme phase du jeu</source>
        <translation>Jumps allowed in the 3rd phase of the game</translation>
    </message>
    <message>
        <source>Sauts non autorisés</source>
        <translation>No jumps</translation>
    </message>
    <message>
        <source>Sauts autorisés tout le long du jeu</source>
        <translation>Jumps allowed all through the game</translation>
    </message>
    <message>
        <source>Seul les pions ne faisant pas partie d&apos;un moulin peuvent être pris</source>
        <translation>Only pieces outside a mill may be taken</translation>
    </message>
    <message>
        <source>Pions ne faisant pas partie d&apos;un moulin ou pions en réserve sinon</source>
        <translation>Pieces outside a mill, else pieces in reserve</translation>
    </message>
    <message>
        <source>Pions ne faisant pas partie d&apos;un moulin, sinon pions en réserve, sinon tous le pions</source>
        <translation>Pieces outside a mill, else pieces in reserve, else any piece</translation>
    </message>
    <message>
        <source>Pions ne faisant pas partie d&apos;un moulin, sinon pions en réserve, sinon tous les pions si phase 3</source>
        <translation>Pieces outside a mill, else pieces in reserve, else any piece in phase 3</translation>
    </message>
    <message>
        <source>Pas de dés</source>
        <translation>No dice</translation>
    </message>
    <message>
        <source>Dés dans la première partie uniquement</source>
        <translation>Dice in the first phase only</translation>
    </message>
    <message>
        <source>Prises possibles dans la 1ere phase du jeu</source>
        <translation>Captures allowed in the 1st phase of the game</translation>
    </message>
    <message>
        <source>Nom :</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Nb moulins possibles :</source>
        <translation>Possible mills:</translation>
    </message>
    <message>
        <source>Nb cases : </source>
        <translation>Points: </translation>
    </message>
    <message>
        <source>Nb de pions :</source>
        <translation>Pieces:</translation>
    </message>
    <message>
        <source>Prises :</source>
        <translation>Captures:</translation>
    </message>
    <message>
        <source>Sauts:</source>
        <translation>Jumps:</translation>
    </message>
    <message>
        <source>Des:</source>
        <translation>Dice:</translation>
    </message>
    <message>
        <source>Ouvre la variante sélectionnée dans l&apos;éditeur</source>
        <translation>Opens the selected variant in the editor</translation>
    </message>
</context>
<context>
    <name>vantorel::editor::TFModele</name>
    <message>
        <source>Sauts autorisés en 3eme phase</source>
        <translation>Jumps allowed in the 3rd phase</translation>
    </message>
    <message>
        <source>Sauts non autorisés tout le long du jeu</source>
        <translation>No jumps all through the game</translation>
    </message>
    <message>
        <source>Sauts autorisés tout le long du jeu</source>
        <translation>Jumps allowed all through the game</translation>
    </message>
    <message>
        <source>Seul les pions ne faisant pas partie d&apos;un moulin peuvent être pris</source>
        <translation>Only pieces outside a mill may be taken</translation>
    </message>
    <message>
        <source>Pions ne faisant pas partie d&apos;un moulin ou pions en réserve sinon</source>
        <translation>Pieces outside a mill, else pieces in reserve</translation>
    </message>
    <message>
        <source>Pions ne faisant pas partie d&apos;un moulin, sinon pions en réserve, sinon tous le pions</source>
        <translation>Pieces outside a mill, else pieces in reserve, else any piece</translation>
    </message>
    <message>
        <source>Pions ne faisant pas partie d&apos;un moulin, sinon pions en réserve, sinon tous les pions si phase 3</source>
        <translation>Pieces outside a mill, else pieces in reserve, else any piece in phase 3</translation>
    </message>
    <message>
        <source>Pas de dés</source>
        <translation>No dice</translation>
    </message>
    <message>
        <source>Dés dans la première partie uniquement</source>
        <translation>Dice in the first phase only</translation>
    </message>
    <message>
        <source>Définition d&apos;un modèle</source>
        <translation>Board design</translation>
    </message>
    <message>
        <source>Tablier</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Moulins</source>
        <translation>Mills</translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Nouveau</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Modele vide</source>
        <translation>Empty board</translation>
    </message>
    <message>
        <source>Créer à partir de...</source>
        <translation>Create from...</translation>
    </message>
    <message>
        <source>Ouvrir...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>Un fichier... </source>
        <translation>A file... </translation>
    </message>
    <message>
        <source>Un modele reconnu...</source>
        <translation>A known board...</translation>
    </message>
    <message>
        <source>Supprimer le modèle</source>
        <translation>Delete the board</translation>
    </message>
    <message>
        <source>Enregistrer...</source>
        <translation>Save...</translation>
    </message>
    <message>
        <source>Enregistrer sous...</source>
        <translation>Save as...</translation>
    </message>
    <message>
        <source>Appliquer</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Reconnaître ce plateau</source>
        <translation>Recognise this board</translation>
    </message>
    <message>
        <source>Imprimer</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>&amp;Edition</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Sélectionner tout</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Supprimer</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Mode sélection</source>
        <translation>Selection mode</translation>
    </message>
    <message>
        <source>Ajoute un champ</source>
        <translation>Adds a point</translation>
    </message>
    <message>
        <source>Supprime les éléments sélectionnés</source>
        <translation>Deletes the selected items</translation>
    </message>
    <message>
        <source>Relie les éléments sélectionnés</source>
        <translation>Links the selected items</translation>
    </message>
    <message>
        <source>Supprime les liaisons</source>
        <translation>Deletes the links</translation>
    </message>
    <message>
        <source>Aligne les champs sélectionnés</source>
        <translation>Aligns the selected points</translation>
    </message>
    <message>
        <source>Renumérote les plots</source>
        <translation>Numbers the points again</translation>
    </message>
    <message>
        <source>Centre le modèle</source>
        <translation>Centres the board</translation>
    </message>
    <message>
        <source>Retourner</source>
        <translation>Mirror</translation>
    </message>
    <message>
        <source>Renverser</source>
        <translation>Flip</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Nom :</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Nombre de pions :</source>
        <translation>Number of pieces:</translation>
    </message>
    <message>
        <source>Nombre de champs :</source>
        <translation>Number of points:</translation>
    </message>
    <message>
        <source>Nombre de liaisons :</source>
        <translation>Number of links:</translation>
    </message>
    <message>
        <source>Sauts :</source>
        <translation>Jumps:</translation>
    </message>
    <message>
        <source>Prises :</source>
        <translation>Captures:</translation>
    </message>
    <message>
        <source>Prises possibles dans la 1ere phase du jeu</source>
        <translation>Captures allowed in the 1st phase of the game</translation>
    </message>
    <message>
        <source>Des :</source>
        <translation>Dice:</translation>
    </message>
    <message>
        <source>Description de la variante</source>
        <translation>Description of the variant</translation>
    </message>
    <message>
        <source>Définition des moulins</source>
        <translation>Mill design</translation>
    </message>
    <message>
        <source>Liste des moulins possibles</source>
        <translation>The possible mills</translation>
    </message>
    <message>
        <source>Rechercher</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Recherche automatiquement les moulins possibles</source>
        <translation>Finds the possible mills by itself</translation>
    </message>
    <message>
        <source>Supprime le moulin sélectionné</source>
        <translation>Deletes the selected mill</translation>
    </message>
    <message>
        <source>Le fichier &quot;%1&quot; a changé.
Voulez-vous enregistrer les changements ?</source>
        <translation>The file &quot;%1&quot; has changed.
Do you want to save the changes?</translation>
    </message>
    <message>
        <source>Modèles Vantorel (*.Mdl)</source>
        <translation>Vantorel boards (*.Mdl)</translation>
    </message>
    <message>
        <source>Ecraser le fichier existant ?</source>
        <translation>Overwrite the existing file?</translation>
    </message>
    <message>
        <source>Fichier modèle Vantorel (*.Mdl)</source>
        <translation>Vantorel board file (*.Mdl)</translation>
    </message>
    <message>
        <source>Cette fonction n&apos;est pas encore disponible dans cette version de Vantorel.</source>
        <translation>This function is not available yet in this version of Vantorel.</translation>
    </message>
</context>
</TS>
