// The French texts of the user interface, row by row in index order.
#include "shared/Teksten.h"

void VulTekstenFrans() {
    Tekst[99] = QStringLiteral("&Oui");
    Tekst[100] = QStringLiteral("&Non");
    Tekst[101] = QStringLiteral("&Fichier");
    Tekst[102] = QStringLiteral("&Nouveau");
    Tekst[103] = QStringLiteral("&Ouvrir");
    Tekst[104] = QStringLiteral("&Enregistrer les paramètres");
    Tekst[105] = QStringLiteral("Enregistrer &sous...");
    Tekst[106] = QStringLiteral("&Imprimer");
    Tekst[107] = QStringLiteral("&Configuration de l'imprimante");
    Tekst[108] = QStringLiteral("&Quitter");
    Tekst[109] = QStringLiteral("&Édition");
    Tekst[110] = QStringLiteral("&Copier");
    Tekst[111] = QStringLiteral("&Supprimer");
    Tekst[112] = QStringLiteral("&Données");
    Tekst[113] = QStringLiteral("&Journal");
    Tekst[114] = QStringLiteral("&Paramètres");
    Tekst[115] = QStringLiteral("Arrêt");
    Tekst[116] = QStringLiteral("Argument non valable!");
    Tekst[117] = QStringLiteral("' est introuvable!");
    Tekst[118] = QStringLiteral("Un fichier avec ce nom existe déjà!\r\n"
                                "\r\n"
                                "Choisissez 'Oui' pour ECRASER ce fichier existant!\r\n");
    Tekst[119] = QStringLiteral("Charger le dernier fichier de données au démarrage");
    Tekst[120] = QStringLiteral("Hors plage");
    Tekst[121] = QStringLiteral("Graphique");
    Tekst[122] = QStringLiteral("Tableau");
    Tekst[123] = QStringLiteral("N°");
    Tekst[124] = QStringLiteral("Date");
    Tekst[125] = QStringLiteral("Heure");
    Tekst[126] = QStringLiteral("Info");
    Tekst[127] = QStringLiteral("Paramètres");
    Tekst[128] = QStringLiteral("Connexion");
    Tekst[129] = QStringLiteral("Le module ne répond pas!");
    Tekst[130] = QStringLiteral("Port série");
    Tekst[131] = QStringLiteral("Vitesse de transmission");
    Tekst[132] = QStringLiteral("Démarrer l'enregistrement à:");
    Tekst[133] = QStringLiteral("Arrêter l'enregistrement à:");
    Tekst[134] = QStringLiteral("Intervalle de temps");
    Tekst[135] = QStringLiteral(
        "Aucun rack ni module n'est enregistré.\r\n"
        "Le logiciel va envoyer une demande de connexion.\r\n"
        "Si un rack ne répond pas (attendez au moins 1 minute), vérifiez les connexions,\r\n"
        "les paramètres du port série et l'alimentation des racks. Réessayez en choisissant\r\n"
        "'Système>Rechercher..' dans le menu.\r\n");
    Tekst[136] = QStringLiteral("Afficher les tableaux successivement.");
    Tekst[137] = QStringLiteral("Afficher les fenêtres de mesure successivement.");
    Tekst[138] = QStringLiteral("Enregistrement");
    Tekst[139] = QStringLiteral("Tentatives");
    Tekst[140] = QStringLiteral("&OK");
    Tekst[141] = QStringLiteral("&Annuler");
    Tekst[142] = QStringLiteral("Demande de connexion ...");
    Tekst[143] = QStringLiteral("Sélectionnez le port série utilisé pour la connexion");
    Tekst[144] = QStringLiteral("Démarrer l'enregistrement au démarrage");
    Tekst[145] = QStringLiteral("&Arrêter");
    Tekst[146] = QStringLiteral("Saisie incorrecte!");
    Tekst[147] = QStringLiteral("Le port série est déjà utilisé!");
    Tekst[148] = QStringLiteral("Vérifiez '");
    Tekst[149] = QStringLiteral("' ou sélectionnez un autre port!");
    Tekst[150] = QStringLiteral("Enregistrement des données DÉSACTIVÉ");
    Tekst[151] = QStringLiteral("Enregistrement des données ACTIVÉ");
    Tekst[152] = QStringLiteral("Erreur à l'ouverture de '");
    Tekst[153] = QStringLiteral("ISO-pH");
    Tekst[154] = QStringLiteral("Temps");
    Tekst[155] = QStringLiteral("Ion");
    Tekst[156] = QStringLiteral("Voulez-vous sauvegarder les données actuelles?");
    Tekst[157] = QStringLiteral("Paramètres du &graphique");
    Tekst[158] = QStringLiteral("Fenê&tre");
    Tekst[159] = QStringLiteral("Mosaïque &horizontale");
    Tekst[160] = QStringLiteral("Mosaïque &verticale");
    Tekst[161] = QStringLiteral("&Cascade");
    Tekst[162] = QStringLiteral("&Réorganiser les icônes");
    Tekst[163] = QStringLiteral("Police");
    Tekst[164] = QStringLiteral("&Tout sélectionner");
    Tekst[165] = QStringLiteral("&Désélectionner tout");
    Tekst[166] = QStringLiteral("&Inverser la sélection");
    Tekst[167] = QStringLiteral("&Renuméroter");
    Tekst[168] = QStringLiteral("Nombre de points visibles");
    Tekst[169] = QStringLiteral("Réglage automatique");
    Tekst[170] = QStringLiteral("Axe des valeurs");
    Tekst[171] = QStringLiteral("Axe du temps");
    Tekst[172] = QStringLiteral("Maximum");
    Tekst[173] = QStringLiteral("Minimum");
    Tekst[174] = QStringLiteral("Nombre de divisions");
    Tekst[175] = QStringLiteral("&Couleur de la courbe");
    Tekst[176] = QStringLiteral("Nombre de subdivisions");
    Tekst[177] = QStringLiteral("Moyenne");
    Tekst[178] = QStringLiteral("Fichiers de configuration");
    Tekst[179] = QStringLiteral("Barre d'&outils");
    Tekst[180] = QStringLiteral("Statistiques");
    Tekst[181] = QStringLiteral("Chargement du fichier de données...");
    Tekst[182] = QStringLiteral("Fichiers de données");
    Tekst[183] = QStringLiteral("Voulez vous sauvegarder la configuration?");
    Tekst[184] = QStringLiteral("Paramètres sauvegardés!");
    Tekst[185] = QStringLiteral("Ter&minal");
    Tekst[186] = QStringLiteral("Fichier à enregistrer sous ...");
    Tekst[187] = QStringLiteral("Fichier à ouvrir");
    Tekst[188] = QStringLiteral("Changer la police");
    Tekst[189] = QStringLiteral("L'enregistrement de fichiers sur un réseau n'est pas pris en charge!");
    Tekst[190] = QStringLiteral("Dénomination non valable!");
    Tekst[191] = QStringLiteral("MOYENNE:");
    Tekst[192] = QStringLiteral("mode relatif");
    Tekst[193] = QStringLiteral("Modifier l'info");
    Tekst[194] = QStringLiteral("Nombre de valeurs");
    Tekst[195] = QStringLiteral("Opérateur:");
    Tekst[196] = QStringLiteral("Société:");
    Tekst[197] = QStringLiteral("Département:");
    Tekst[198] = QStringLiteral("Remarque:");
    Tekst[199] = QStringLiteral("Système:");
    Tekst[200] = QStringLiteral("N° ID");
    Tekst[201] = QStringLiteral("Général");
    Tekst[202] = QStringLiteral("Module");
    Tekst[203] = QStringLiteral("Entrez un nom différent de celui du fichier en mémoire!");
    Tekst[204] = QStringLiteral("Tout");
    Tekst[205] = QStringLiteral("Fenêtre active");
    Tekst[206] = QStringLiteral("Limiter à la sélection");
    Tekst[207] = QStringLiteral("Marge supérieure:");
    Tekst[208] = QStringLiteral("Marge inférieure:");
    Tekst[209] = QStringLiteral("Marge gauche:");
    Tekst[210] = QStringLiteral("Marge droite:");
    Tekst[211] = QStringLiteral("Marges de la page");
    Tekst[212] = QStringLiteral("Valeurs en millimètres,");
    Tekst[213] = QStringLiteral("par rapport à la zone imprimable");
    Tekst[214] = QStringLiteral("&Copier");
    Tekst[215] = QStringLiteral("Tous les fichiers (*.*)|*.*");
    Tekst[216] = QStringLiteral("Fichiers texte");
    Tekst[217] = QStringLiteral("Données corrompues!");
    Tekst[218] = QStringLiteral("Nouveau fichier à enregistrer sous ...");
    Tekst[219] = QStringLiteral("Couleur");
    Tekst[220] = QStringLiteral("Alarme");
    Tekst[221] = QStringLiteral("Limite haute");
    Tekst[222] = QStringLiteral("Limite basse");
    Tekst[223] = QStringLiteral("Inclure le rapport d'alarme");
    Tekst[224] = QStringLiteral("Rapport d'alarme");
    Tekst[225] = QStringLiteral("Limite haute dépassée:");
    Tekst[226] = QStringLiteral("Limite basse dépassée:");
    Tekst[227] = QStringLiteral("&Aide");
    Tekst[228] = QStringLiteral("Rétabli:");
    Tekst[229] = QStringLiteral("Nombre de dépassements de la limite haute:");
    Tekst[230] = QStringLiteral("La limite haute n'a pas été dépassée.");
    Tekst[231] = QStringLiteral("Nombre de dépassements de la limite basse:");
    Tekst[232] = QStringLiteral("La limite basse n'a pas été dépassée.");
    Tekst[233] = QStringLiteral("Le fichier original est restauré.\r\n");
    Tekst[234] = QStringLiteral("Le fichier est en cours d'utilisation, l'accès à # est refusé!");
    Tekst[235] = QStringLiteral("&Réessayer");
    Tekst[236] = QStringLiteral("&Ignorer");
    Tekst[237] = QStringLiteral("Plage de mesure");
    Tekst[238] = QStringLiteral("Version");
    Tekst[239] = QStringLiteral("Système d'acquisition de données");
    Tekst[240] = QStringLiteral("En-tête de page");
    Tekst[241] = QStringLiteral("Sélectionnez la langue:");
    Tekst[242] = QStringLiteral("Langue");
    Tekst[243] = QStringLiteral("&Sommaire");
    Tekst[244] = QStringLiteral("Saisie erronée!");
    Tekst[245] = QStringLiteral("Attention: ");
    Tekst[246] = QStringLiteral("Informations s&ystème...");
    Tekst[247] = QStringLiteral("Les informations système ne sont pas disponibles pour le moment!");
    Tekst[248] = QStringLiteral("Lecture des paramètres");
    Tekst[249] = QStringLiteral("Tous droits réservés.");
    Tekst[250] = QStringLiteral("Veuillez patienter pendant l'écriture vers ");
    Tekst[251] = QStringLiteral("Nombre de sélections: ");
    Tekst[252] = QStringLiteral("Fichier inexistant!");
    Tekst[253] = QStringLiteral("Nouveau");
    Tekst[254] = QStringLiteral("Ouvrir");
    Tekst[255] = QStringLiteral("Enregistrer sous...");
    Tekst[256] = QStringLiteral("Nouveau fichier...");
    Tekst[257] = QStringLiteral("Paramètres");
    Tekst[258] = QStringLiteral("Paramètres du graphique");
    Tekst[259] = QStringLiteral("Police");
    Tekst[260] = QStringLiteral("Enregistrer les paramètres");
    Tekst[261] = QStringLiteral("Enregistrer les données");
    Tekst[262] = QStringLiteral("Recevoir les données");
    Tekst[263] = QStringLiteral("Étalonnage #:");
    Tekst[264] = QStringLiteral("Déconnecter");
    Tekst[265] = QStringLiteral("Afficher la fenêtre du terminal");
    Tekst[266] = QStringLiteral("Copier dans le presse-papiers");
    Tekst[267] = QStringLiteral("Veuillez patienter jusqu'à ce que tous les racks soient connectés!");
    Tekst[268] = QStringLiteral("GLP");
    Tekst[269] = QStringLiteral("Le dossier de fichiers indiqué n'est pas valable!");
    Tekst[270] = QStringLiteral("Pente");
    Tekst[271] = QStringLiteral("Décalage");
    Tekst[272] = QStringLiteral("Constante de cellule");
    Tekst[273] = QStringLiteral("Salinité");
    Tekst[274] = QStringLiteral("Pression atmosphérique");
    Tekst[275] = QStringLiteral("Point zéro");
    Tekst[276] = QStringLiteral("Date - Heure");
    Tekst[277] = QStringLiteral("Étalonné à");
    Tekst[278] = QStringLiteral("Unité");
    Tekst[279] = QStringLiteral("Résolution");
    Tekst[280] = QStringLiteral("Étalonner à ");
    Tekst[281] = QStringLiteral("Veuillez sélectionner ou entrer la valeur 'Étalonner à'.");
    Tekst[282] = QStringLiteral("Le décalage est trop grand.");
    Tekst[283] = QStringLiteral("Limites");
    Tekst[284] = QStringLiteral("La sonde de température n'est pas connectée!");
    Tekst[285] = QStringLiteral("La mesure est hors plage!");
    Tekst[286] = QStringLiteral("Échelle");
    Tekst[287] = QStringLiteral("É&talonner");
    Tekst[288] =
        QStringLiteral("Sélectionnez le tampon 1.\r\n"
                       "Rincez l'électrode, plongez-la dans le tampon, agitez et choisissez 'Étalonner'!");
    Tekst[289] = QStringLiteral("Continuez à agiter et attendez la validation!");
    Tekst[290] = QStringLiteral("Sélectionnez le tampon 2.\r\n"
                                "Rincez l'électrode, plongez-la dans le tampon, agitez et choisissez "
                                "'Étalonner' ou choisissez 'OK' pour un étalonnage en 1 point!");
    Tekst[291] =
        QStringLiteral("La température est en dehors de la plage de la table d'étalons sélectionnée!");
    Tekst[292] = QStringLiteral("pH actuel");
    Tekst[293] = QStringLiteral("Mesure");
    Tekst[294] = QStringLiteral("Étalon");
    Tekst[295] = QStringLiteral("Entrée");
    Tekst[296] = QStringLiteral("Module");
    Tekst[297] = QStringLiteral("Rack");
    Tekst[298] = QStringLiteral("Message");
    Tekst[299] = QStringLiteral("Erreur");
    Tekst[300] = QStringLiteral("La température est hors plage!");
    Tekst[301] = QStringLiteral("Tampon non valable!\r\n"
                                "\r\n"
                                "Vérifiez la sélection et/ou la table des tampons!");
    Tekst[302] = QStringLiteral("La différence entre les 2 étalons est trop faible!\r\n"
                                "\r\n");
    Tekst[303] = QStringLiteral("Le pH ISO de l'électrode est hors plage!");
    Tekst[304] = QStringLiteral("La pente de l'électrode est hors plage!");
    Tekst[305] = QStringLiteral("Étalonnage réussi!");
    Tekst[306] = QStringLiteral("pH ISO");
    Tekst[307] = QStringLiteral("Choisissez 'OK' pour continuer!");
    Tekst[308] =
        QStringLiteral("Sélectionnez un autre étalon qui diffère d'au moins 2 pH du premier étalon!");
    Tekst[309] = QStringLiteral("Vérifiez l'étalon et/ou l'électrode et son câble!");
    Tekst[310] = QStringLiteral("Valeur manuelle");
    Tekst[311] = QStringLiteral("Veuillez entrer une nouvelle 'Valeur manuelle'.");
    Tekst[312] = QStringLiteral("Entrez le nom du rack:");
    Tekst[313] = QStringLiteral("Entrez le nom du module:");
    Tekst[314] = QStringLiteral("!! Attention !!");
    Tekst[315] = QStringLiteral("Des modifications du système de mesure peuvent rendre\r\n"
                                "les fichiers de données enregistrés auparavant\r\n"
                                "illisibles pour ce logiciel!\r\n");
    Tekst[316] = QStringLiteral("Constante de cellule");
    Tekst[317] = QStringLiteral("Étalon");
    Tekst[318] = QStringLiteral("Conductivité actuelle");
    Tekst[319] =
        QStringLiteral("Sélectionnez l'étalon.\r\n"
                       "Rincez l'électrode, plongez-la dans l'étalon, agitez et choisissez 'Étalonner'!");
    Tekst[320] = QStringLiteral("Re&chercher..");
    Tekst[321] = QStringLiteral("L'échelle est hors plage!");
    Tekst[322] = QStringLiteral("La constante de cellule est hors plage!");
    Tekst[323] = QStringLiteral(
        "Causes possibles: bulles d'air, étalon incorrect ou pollué, électrode défectueuse ou polluée, ...");
    Tekst[324] = QStringLiteral("Mesure très faible!\r\n"
                                "\r\n"
                                "Vérifiez l'électrode et/ou la solution étalon!\r\n"
                                "\r\n"
                                "Choisissez 'Étalonner' pour recommencer.");
    Tekst[325] = QStringLiteral("Sélectionnez l'heure de début:");
    Tekst[326] = QStringLiteral("Sélectionnez l'heure de fin:");
    Tekst[327] = QStringLiteral("Choisissez une heure de fin postérieure à l'heure de début!");
    Tekst[328] = QStringLiteral(
        "Ce fichier (voir le titre de la fenêtre) est introuvable dans la section bibliothèque.\r\n"
        "Assurez-vous que ce fichier s'y trouve pour poursuivre l'étalonnage.");
    Tekst[329] = QStringLiteral("Type de cellule");
    Tekst[330] = QStringLiteral("La salinité ne peut pas dépasser ");
    Tekst[331] = QStringLiteral("Série");
    Tekst[332] = QStringLiteral("Série de données");
    Tekst[333] = QStringLiteral("Divers");
    Tekst[334] = QStringLiteral("Nouveau graphique");
    Tekst[335] = QStringLiteral("Le nombre maximal de graphiques est atteint!\r\n"
                                "\r\n"
                                "Supprimez d'autres graphiques pour en créer un nouveau.");
    Tekst[336] = QStringLiteral("Sélectionnez l'entrée pour $$, ligne numéro ##");
    Tekst[337] = QStringLiteral("Température");
    Tekst[338] = QStringLiteral("Sélectionnez $$ dans la liste!");
    Tekst[339] = QStringLiteral("Nom du graphique");
    Tekst[340] = QStringLiteral("Remplacer les paramètres du tableau 'YY'\r\n"
                                "par ceux de 'XX' ?");
    Tekst[341] = QStringLiteral("Remplacer les paramètres du graphique 'YY'\r\n"
                                "par ceux de 'XX' ?");
    Tekst[342] = QStringLiteral("C&opier les paramètres");
    Tekst[343] = QStringLiteral("Re&mplacer les paramètres");
    Tekst[344] = QStringLiteral("Enregistreur XY");
    Tekst[345] = QStringLiteral("Choisissez 'Oui' pour supprimer ce graphique,\r\n"
                                "Choisissez 'Non' pour le réduire.");
    Tekst[346] = QStringLiteral("Titre");
    Tekst[347] = QStringLiteral("Fermer");
    Tekst[348] = QStringLiteral("Imprimante");
    Tekst[349] = QStringLiteral("Format du papier: ");
    Tekst[350] = QStringLiteral("Orientation: ");
    Tekst[351] = QStringLiteral("Portrait");
    Tekst[352] = QStringLiteral("Paysage");
    Tekst[353] = QStringLiteral("Sélectionnez une cellule pour modifier ses paramètres!");
    Tekst[354] = QStringLiteral("Activer");
    Tekst[355] = QStringLiteral("Imprimer");
    Tekst[356] = QStringLiteral("Impression en cours...");
    Tekst[357] = QStringLiteral("Valeurs du tableau");
    Tekst[358] = QStringLiteral("Afficher les graphiques successivement. \\/: nouveau");
    Tekst[359] = QStringLiteral("Compensation de température");
    Tekst[360] = QStringLiteral("Température de référence");
    Tekst[361] = QStringLiteral("Mise à jour des paramètres du module ...");
    Tekst[362] = QStringLiteral("Un étalon de conductivité plus faible est nécessaire\r\n"
                                "pour étalonner ce type de cellule!");
    Tekst[363] = QStringLiteral("Options de conductivité");
    Tekst[364] = QStringLiteral("Données d'étalonnage");
    Tekst[365] = QStringLiteral("Étalonnage nécessaire!");
    Tekst[366] = QStringLiteral("Non étalonné!");
    Tekst[367] = QStringLiteral("Les données d'étalonnage de cette cellule de conductivité indiquent un\r\n"
                                "type de cellule différent du paramètre du module!\r\n"
                                "\r\n");
    Tekst[368] = QStringLiteral("Cette entrée doit être étalonnée.\r\n"
                                "Si vous l'ignorez, les mesures seront erronées!\r\n"
                                "\r\n"
                                "Choisissez OK pour ignorer ou 'Annuler' pour revenir.");
    Tekst[369] = QStringLiteral("Capteur");
    Tekst[370] = QStringLiteral("Vérifiez l'électrode et/ou le câble!");
    Tekst[371] = QStringLiteral("Solution de blanc");
    Tekst[372] = QStringLiteral("mV/décade");
    Tekst[373] = QStringLiteral("La mesure n'a pas été trouvée stable.\r\n"
                                "\r\n"
                                "Voulez-vous accepter cette valeur comme valeur validée?\r\n");
    Tekst[374] =
        QStringLiteral("Sélectionnez l'étalon 2.\r\n"
                       "Rincez l'électrode, plongez-la dans l'étalon, agitez et choisissez 'Étalonner'!");
    Tekst[375] = QStringLiteral(
        "Rincez l'électrode, plongez-la dans une solution de blanc, agitez et choisissez 'Étalonner'.\r\n"
        "\r\n"
        "Choisissez 'OK' pour sauter l'étalonnage de la solution de blanc.");
    Tekst[376] = QStringLiteral("Continuez à agiter et attendez que les lectures soient stables.\r\n"
                                "\r\n"
                                "Choisissez 'OK' pour valider les mesures.");
    Tekst[377] = QStringLiteral("log[Conc]");
    Tekst[378] = QStringLiteral(
        "La concentration de blanc calculée est plus élevée que celle des étalons enregistrés auparavant.\r\n"
        "\r\n"
        "Vérifiez la solution et/ou l'électrode.\r\n");
    Tekst[379] = QStringLiteral(
        "Sélectionnez un autre étalon d'une concentration différente de celle du premier étalon!");
    Tekst[380] = QStringLiteral("Désactivé");
    Tekst[381] = QStringLiteral("Entrez la pression atmosphérique en hPa:");
    Tekst[382] = QStringLiteral("Options d'oxygène dissous");
    Tekst[383] = QStringLiteral("La pression atmosphérique doit être comprise entre 800 et 1200 hPa!");
    Tekst[384] = QStringLiteral("&Réinitialiser");
    Tekst[385] = QStringLiteral("Op&tions");
    Tekst[386] = QStringLiteral("G&LP");
    Tekst[387] = QStringLiteral("Nom du r&ack");
    Tekst[388] = QStringLiteral("Nom du &module");
    Tekst[389] = QStringLiteral("&Effacer");
    Tekst[390] = QStringLiteral("Potentiel");
    Tekst[391] = QStringLiteral("Configuration");
    Tekst[392] = QStringLiteral("Rapport");
    Tekst[393] = QStringLiteral("Dernier");
    Tekst[394] = QStringLiteral("Précédent");
    Tekst[395] = QStringLiteral("Précédent -1");
    Tekst[396] = QStringLiteral("Précédent -2");
    Tekst[397] = QStringLiteral("Précédent -3");
    Tekst[398] = QStringLiteral("Appuyez sur 'Échap' pour fermer cette fenêtre.");
    Tekst[399] = QStringLiteral("Rapport GLP");
    Tekst[400] = QStringLiteral("Rapport de configuration");
    Tekst[401] = QStringLiteral("Rack");
    Tekst[402] = QStringLiteral("N° ID");
    Tekst[403] = QStringLiteral("Module");
    Tekst[404] = QStringLiteral("N° ID");
    Tekst[405] = QStringLiteral("Type");
    Tekst[406] = QStringLiteral("Entrée");
    Tekst[407] = QStringLiteral("Activé");
    Tekst[408] = QStringLiteral("Unité");
    Tekst[409] = QStringLiteral("Capteur");
    Tekst[410] = QStringLiteral("Type");
    Tekst[411] = QStringLiteral("Étalonnage");
    Tekst[412] = QStringLiteral("État");
    Tekst[413] = QStringLiteral("Info");
    Tekst[414] = QStringLiteral("Nom");
    Tekst[415] = QStringLiteral("Tampon");
    Tekst[416] = QStringLiteral("Potentiel du blanc");
    Tekst[417] = QStringLiteral("Rack désactivé!");
    Tekst[418] = QStringLiteral("Marche");
    Tekst[419] = QStringLiteral("Arrêt");
    Tekst[420] = QStringLiteral("Arrêter/Démarrer la mesure");
    Tekst[421] = QStringLiteral("\r\n"
                                "ATTENTION:\r\n"
                                "    Tous les points enregistrés au même moment dans tous les tableaux\r\n"
                                "    seront effacés!\r\n"
                                "\r\n"
                                "Voulez-vous supprimer tous les points sélectionnés?\r\n");
    Tekst[422] = QStringLiteral("Su&pprimer les lignes sélectionnées");
    Tekst[423] = QStringLiteral("E&ffacer les cellules sélectionnées");
    Tekst[424] = QStringLiteral("Les tableaux de données ont été modifiés.\r\n"
                                "\r\n"
                                "Choisissez 'Oui' pour enregistrer les modifications ou\r\n"
                                "'Non' pour les ignorer et conserver le fichier original!");
    Tekst[425] = QStringLiteral("Ce fichier a été modifié auparavant sans être enregistré.\r\n"
                                "\r\n"
                                "Choisissez 'Oui' pour enregistrer les modifications ou\r\n"
                                "'Non' pour les ignorer et conserver le fichier original!");
    Tekst[426] = QStringLiteral("&Système");
    Tekst[427] = QStringLiteral("&Nouveau");
    Tekst[428] = QStringLiteral("&Mesurer");
    Tekst[429] = QStringLiteral("Affic&hage");
    Tekst[430] = QStringLiteral("Paramètres du &module");
    Tekst[431] = QStringLiteral("Étalonnage d'&usine");
    Tekst[432] = QStringLiteral("&Toujours au premier plan");
    Tekst[433] = QStringLiteral("&Activer le rack");
    Tekst[434] = QStringLiteral("&Imprimer le rack");
    Tekst[435] = QStringLiteral("Arbre du &système");
    Tekst[436] = QStringLiteral("Imprimer automatiquement");
    Tekst[437] = QStringLiteral("Afficher la légende");
    Tekst[438] = QStringLiteral("Étiquettes");
    Tekst[439] =
        QStringLiteral("Sélectionnez l'étalon 1.\r\n"
                       "Rincez l'électrode, plongez-la dans l'étalon, agitez et choisissez 'Étalonner'!");
    Tekst[440] = QStringLiteral("une Entrée");
    Tekst[441] = QStringLiteral("un Module");
    Tekst[442] = QStringLiteral("un Rack");
    Tekst[443] = QStringLiteral("Plage");
    Tekst[444] = QStringLiteral(
        "Les tableaux dont le nom de fichier est généré automatiquement ne peuvent pas être modifiés!\r\n");
    Tekst[445] = QStringLiteral("Horloge relative");
    Tekst[446] = QStringLiteral("Définir le point de référence");
    Tekst[447] = QStringLiteral("Le nombre maximal de racks est atteint!");
    Tekst[448] = QStringLiteral("Nouveau rack");
    Tekst[449] = QStringLiteral("Une erreur s'est produite lors de la lecture de ce fichier de données!");
    Tekst[450] = QStringLiteral("Le code de réinitialisation du rack est envoyé");
    Tekst[451] = QStringLiteral("Le code de réinitialisation du module est envoyé");
    Tekst[452] = QStringLiteral("La demande de connexion est envoyée");
    Tekst[453] = QStringLiteral("Le logiciel K740 est démarré");
    Tekst[454] = QStringLiteral("Configuration lue,");
    Tekst[455] = QStringLiteral("Configuration sauvegardée");
    Tekst[456] = QStringLiteral("Commande: ");
    Tekst[457] = QStringLiteral("Mesure: ");
    Tekst[458] = QStringLiteral("Enregistreur de données: ");
    Tekst[459] = QStringLiteral("Connexion: ");
    Tekst[460] = QStringLiteral("Le logiciel K740 est arrêté");
    Tekst[461] = QStringLiteral("Reçu: ");
    Tekst[462] = QStringLiteral("Manuellement");
    Tekst[463] = QStringLiteral("Réinitialiser &racks/modules");
    Tekst[464] = QStringLiteral("Com&pensation cap.");
    Tekst[465] = QStringLiteral("Compensation capacitive");
    Tekst[466] = QStringLiteral("Veuillez patienter jusqu'à ce que le système trouve la mesure stable!");
    Tekst[467] = QStringLiteral("Vérifiez que la cellule connectée est complètement sèche!");
    Tekst[468] = QStringLiteral("La valeur mesurée de la cellule sèche est trop élevée!");
    Tekst[469] = QStringLiteral("Étalon défini par l'utilisateur");
    Tekst[470] = QStringLiteral("Emplacements");
    Tekst[471] =
        QStringLiteral("Modifiez les emplacements des fichiers en cliquant sur la ligne correspondante:");
    Tekst[472] = QStringLiteral("Données");
    Tekst[473] = QStringLiteral("Bibliothèque");
    Tekst[474] = QStringLiteral("Configuration");
    Tekst[475] = QStringLiteral("Fichiers");
    Tekst[476] = QStringLiteral("Dossier");
    Tekst[477] = QStringLiteral("Sélectionnez le dossier: ");
    Tekst[478] = QStringLiteral("Une erreur s'est produite au démarrage de '##'.");
    Tekst[479] = QStringLiteral("Fermez '##' pour revenir au logiciel K740!");
    Tekst[480] = QStringLiteral("Les fichiers sont déplacés vers le nouvel emplacement.\r\n"
                                "Ce fichier existe déjà dans le dossier indiqué.\r\n"
                                "\r\n"
                                "Pour remplacer tous les fichiers existants, choisissez 'Oui'.\r\n"
                                "Si vous voulez remplacer uniquement ce fichier, choisissez 'Non'.\r\n"
                                "Choisissez 'Annuler' pour arrêter ce transfert.\r\n");
    Tekst[481] = QStringLiteral("Saisie manuelle");
    Tekst[482] = QStringLiteral("Entrez manuellement la valeur de la constante de cellule!");
    Tekst[483] = QStringLiteral("&Vers un fichier...");
    Tekst[484] = QStringLiteral("Température");
    Tekst[485] = QStringLiteral("Partager cette mesure pour ce module.");
    Tekst[486] = QStringLiteral("Utiliser la mesure partagée (##).");
    Tekst[487] = QStringLiteral("Mesure partagée");
    Tekst[488] = QStringLiteral("Du CH");
    Tekst[489] = QStringLiteral("Terminé !");
    Tekst[490] = QStringLiteral("Une erreur s'est produite lors de l'écriture de ce fichier de données!");
    Tekst[491] = QStringLiteral("Régler la valeur manuelle sur la dernière mesure");
    Tekst[500] = QStringLiteral("Français");
}
