// The Dutch texts of the user interface, row by row in index order.
#include "shared/Teksten.h"

void VulTekstenNederlands() {
    Tekst[99] = QStringLiteral("&Ja");
    Tekst[100] = QStringLiteral("&Nee");
    Tekst[101] = QStringLiteral("&Bestand");
    Tekst[102] = QStringLiteral("&Nieuw");
    Tekst[103] = QStringLiteral("&Openen");
    Tekst[104] = QStringLiteral("Instellingen op&slaan");
    Tekst[105] = QStringLiteral("Opslaan &als...");
    Tekst[106] = QStringLiteral("Af&drukken");
    Tekst[107] = QStringLiteral("&Printerinstellingen");
    Tekst[108] = QStringLiteral("A&fsluiten");
    Tekst[109] = QStringLiteral("Be&werken");
    Tekst[110] = QStringLiteral("&Kopiëren");
    Tekst[111] = QStringLiteral("&Verwijderen");
    Tekst[112] = QStringLiteral("G&egevens");
    Tekst[113] = QStringLiteral("&Loggen");
    Tekst[114] = QStringLiteral("&Instellingen");
    Tekst[115] = QStringLiteral("Stop");
    Tekst[116] = QStringLiteral("Ongeldig argument!");
    Tekst[117] = QStringLiteral("' werd niet gevonden!");
    Tekst[118] = QStringLiteral("Een bestand met deze naam bestaat reeds!\r\n"
                                "\r\n"
                                "Kies 'Ja' om dit bestaande bestand te OVERSCHRIJVEN!\r\n");
    Tekst[119] = QStringLiteral("Laatste gegevensbestand laden bij het opstarten");
    Tekst[120] = QStringLiteral("Buiten bereik");
    Tekst[121] = QStringLiteral("Grafiek");
    Tekst[122] = QStringLiteral("Tabel");
    Tekst[123] = QStringLiteral("Nr.");
    Tekst[124] = QStringLiteral("Datum");
    Tekst[125] = QStringLiteral("Tijd");
    Tekst[126] = QStringLiteral("Info");
    Tekst[127] = QStringLiteral("Instellingen");
    Tekst[128] = QStringLiteral("Verbinding");
    Tekst[129] = QStringLiteral("Module antwoordt niet!");
    Tekst[130] = QStringLiteral("Seriële poort");
    Tekst[131] = QStringLiteral("Baudsnelheid");
    Tekst[132] = QStringLiteral("Start loggen om:");
    Tekst[133] = QStringLiteral("Stop loggen om:");
    Tekst[134] = QStringLiteral("Tijdsinterval");
    Tekst[135] = QStringLiteral(
        "Er zijn geen racks of modules aangemeld.\r\n"
        "Het programma zal een aanmeldingsverzoek versturen.\r\n"
        "Als een rack niet antwoordt (wacht minstens 1 minuut), controleer dan de verbindingen,\r\n"
        "de instellingen van de seriële poort en of de racks gevoed zijn. Probeer opnieuw via\r\n"
        "'Systeem>Zoeken..' in het menu.\r\n");
    Tekst[136] = QStringLiteral("Tabellen na elkaar tonen.");
    Tekst[137] = QStringLiteral("Meetvensters na elkaar tonen.");
    Tekst[138] = QStringLiteral("Loggen");
    Tekst[139] = QStringLiteral("Pogingen");
    Tekst[140] = QStringLiteral("&OK");
    Tekst[141] = QStringLiteral("&Annuleren");
    Tekst[142] = QStringLiteral("Verzoek tot aanmelden ...");
    Tekst[143] = QStringLiteral("Kies de seriële poort voor de verbinding");
    Tekst[144] = QStringLiteral("Loggen starten bij het opstarten");
    Tekst[145] = QStringLiteral("&Afbreken");
    Tekst[146] = QStringLiteral("Onjuiste invoer!");
    Tekst[147] = QStringLiteral("De seriële poort is reeds in gebruik!");
    Tekst[148] = QStringLiteral("Controleer '");
    Tekst[149] = QStringLiteral("' of kies een andere poort!");
    Tekst[150] = QStringLiteral("Gegevens loggen UIT");
    Tekst[151] = QStringLiteral("Gegevens loggen AAN");
    Tekst[152] = QStringLiteral("Fout bij het openen van '");
    Tekst[153] = QStringLiteral("ISO-pH");
    Tekst[154] = QStringLiteral("Tijd");
    Tekst[155] = QStringLiteral("Ion");
    Tekst[156] = QStringLiteral("Wenst u de huidige gegevens op te slaan?");
    Tekst[157] = QStringLiteral("&Grafiekinstellingen");
    Tekst[158] = QStringLiteral("&Venster");
    Tekst[159] = QStringLiteral("&Horizontaal naast elkaar");
    Tekst[160] = QStringLiteral("&Verticaal naast elkaar");
    Tekst[161] = QStringLiteral("&Trapsgewijs");
    Tekst[162] = QStringLiteral("&Pictogrammen schikken");
    Tekst[163] = QStringLiteral("Lettertype");
    Tekst[164] = QStringLiteral("&Alles selecteren");
    Tekst[165] = QStringLiteral("Alles &deselecteren");
    Tekst[166] = QStringLiteral("Selectie &omkeren");
    Tekst[167] = QStringLiteral("&Hernummeren");
    Tekst[168] = QStringLiteral("Aantal zichtbare punten");
    Tekst[169] = QStringLiteral("Automatische instelling");
    Tekst[170] = QStringLiteral("Waarde-as");
    Tekst[171] = QStringLiteral("Tijdas");
    Tekst[172] = QStringLiteral("Maximum");
    Tekst[173] = QStringLiteral("Minimum");
    Tekst[174] = QStringLiteral("Aantal verdelingen");
    Tekst[175] = QStringLiteral("&Kleur van de curve");
    Tekst[176] = QStringLiteral("Aantal onderverdelingen");
    Tekst[177] = QStringLiteral("Gemiddelde");
    Tekst[178] = QStringLiteral("Configuratiebestanden");
    Tekst[179] = QStringLiteral("&Werkbalk");
    Tekst[180] = QStringLiteral("Statistiek");
    Tekst[181] = QStringLiteral("Gegevensbestand laden...");
    Tekst[182] = QStringLiteral("Gegevensbestanden");
    Tekst[183] = QStringLiteral("Wenst u de instellingen op te slaan?");
    Tekst[184] = QStringLiteral("Instellingen opgeslagen!");
    Tekst[185] = QStringLiteral("Ter&minal");
    Tekst[186] = QStringLiteral("Bestand opslaan als ...");
    Tekst[187] = QStringLiteral("Te openen bestand");
    Tekst[188] = QStringLiteral("Lettertype wijzigen");
    Tekst[189] = QStringLiteral("Bestanden opslaan op een netwerk wordt niet ondersteund!");
    Tekst[190] = QStringLiteral("Ongeldige benaming!");
    Tekst[191] = QStringLiteral("GEMIDDELDE:");
    Tekst[192] = QStringLiteral("relatieve modus");
    Tekst[193] = QStringLiteral("Info bewerken");
    Tekst[194] = QStringLiteral("Aantal waarden");
    Tekst[195] = QStringLiteral("Operator:");
    Tekst[196] = QStringLiteral("Bedrijf:");
    Tekst[197] = QStringLiteral("Afdeling:");
    Tekst[198] = QStringLiteral("Opmerking:");
    Tekst[199] = QStringLiteral("Systeem:");
    Tekst[200] = QStringLiteral("ID.nr.");
    Tekst[201] = QStringLiteral("Algemeen");
    Tekst[202] = QStringLiteral("Module");
    Tekst[203] = QStringLiteral("Geef een andere naam dan die van het bestand in het geheugen!");
    Tekst[204] = QStringLiteral("Alles");
    Tekst[205] = QStringLiteral("Huidig venster");
    Tekst[206] = QStringLiteral("Beperken tot selectie");
    Tekst[207] = QStringLiteral("Bovenmarge:");
    Tekst[208] = QStringLiteral("Ondermarge:");
    Tekst[209] = QStringLiteral("Linkermarge:");
    Tekst[210] = QStringLiteral("Rechtermarge:");
    Tekst[211] = QStringLiteral("Paginamarges");
    Tekst[212] = QStringLiteral("Waarden in millimeter,");
    Tekst[213] = QStringLiteral("ten opzichte van het afdrukbare gebied");
    Tekst[214] = QStringLiteral("&Kopiëren");
    Tekst[215] = QStringLiteral("Alle bestanden (*.*)|*.*");
    Tekst[216] = QStringLiteral("Tekstbestanden");
    Tekst[217] = QStringLiteral("Beschadigde gegevens!");
    Tekst[218] = QStringLiteral("Nieuw bestand opslaan als ...");
    Tekst[219] = QStringLiteral("Kleur");
    Tekst[220] = QStringLiteral("Alarm");
    Tekst[221] = QStringLiteral("Bovengrens");
    Tekst[222] = QStringLiteral("Ondergrens");
    Tekst[223] = QStringLiteral("Alarmrapport toevoegen");
    Tekst[224] = QStringLiteral("Alarmrapport");
    Tekst[225] = QStringLiteral("Bovengrens overschreden:");
    Tekst[226] = QStringLiteral("Ondergrens overschreden:");
    Tekst[227] = QStringLiteral("&Help");
    Tekst[228] = QStringLiteral("Hersteld:");
    Tekst[229] = QStringLiteral("Aantal keren dat de bovengrens overschreden werd:");
    Tekst[230] = QStringLiteral("De bovengrens werd niet overschreden.");
    Tekst[231] = QStringLiteral("Aantal keren dat de ondergrens overschreden werd:");
    Tekst[232] = QStringLiteral("De ondergrens werd niet overschreden.");
    Tekst[233] = QStringLiteral("Het oorspronkelijke bestand is hersteld.\r\n");
    Tekst[234] = QStringLiteral("Het bestand is in gebruik, toegang tot # geweigerd!");
    Tekst[235] = QStringLiteral("&Opnieuw");
    Tekst[236] = QStringLiteral("&Negeren");
    Tekst[237] = QStringLiteral("Meetbereik");
    Tekst[238] = QStringLiteral("Versie");
    Tekst[239] = QStringLiteral("Data-acquisitiesysteem");
    Tekst[240] = QStringLiteral("Paginahoofding");
    Tekst[241] = QStringLiteral("Kies de taal:");
    Tekst[242] = QStringLiteral("Taal");
    Tekst[243] = QStringLiteral("In&houd");
    Tekst[244] = QStringLiteral("Foute invoer!");
    Tekst[245] = QStringLiteral("Waarschuwing: ");
    Tekst[246] = QStringLiteral("&Systeeminformatie...");
    Tekst[247] = QStringLiteral("Systeeminformatie is momenteel niet beschikbaar!");
    Tekst[248] = QStringLiteral("Parameters lezen");
    Tekst[249] = QStringLiteral("Alle rechten voorbehouden.");
    Tekst[250] = QStringLiteral("Even geduld, bezig met schrijven naar ");
    Tekst[251] = QStringLiteral("Aantal selecties: ");
    Tekst[252] = QStringLiteral("Bestand bestaat niet!");
    Tekst[253] = QStringLiteral("Nieuw");
    Tekst[254] = QStringLiteral("Openen");
    Tekst[255] = QStringLiteral("Opslaan als...");
    Tekst[256] = QStringLiteral("Nieuw bestand...");
    Tekst[257] = QStringLiteral("Instellingen");
    Tekst[258] = QStringLiteral("Grafiekinstellingen");
    Tekst[259] = QStringLiteral("Lettertype");
    Tekst[260] = QStringLiteral("Instellingen opslaan");
    Tekst[261] = QStringLiteral("Gegevens loggen");
    Tekst[262] = QStringLiteral("Gegevens ontvangen");
    Tekst[263] = QStringLiteral("Kalibratie #:");
    Tekst[264] = QStringLiteral("Verbinding verbreken");
    Tekst[265] = QStringLiteral("Terminalvenster tonen");
    Tekst[266] = QStringLiteral("Naar klembord kopiëren");
    Tekst[267] = QStringLiteral("Even geduld tot alle racks aangemeld zijn!");
    Tekst[268] = QStringLiteral("GLP");
    Tekst[269] = QStringLiteral("De opgegeven bestandsmap is ongeldig!");
    Tekst[270] = QStringLiteral("Helling");
    Tekst[271] = QStringLiteral("Offset");
    Tekst[272] = QStringLiteral("Celconstante");
    Tekst[273] = QStringLiteral("Saliniteit");
    Tekst[274] = QStringLiteral("Luchtdruk");
    Tekst[275] = QStringLiteral("Nulpunt");
    Tekst[276] = QStringLiteral("Datum - Tijd");
    Tekst[277] = QStringLiteral("Gekalibreerd bij");
    Tekst[278] = QStringLiteral("Eenheid");
    Tekst[279] = QStringLiteral("Resolutie");
    Tekst[280] = QStringLiteral("Kalibreren bij ");
    Tekst[281] = QStringLiteral("Kies of geef de waarde 'Kalibreren bij' in.");
    Tekst[282] = QStringLiteral("De offset is te groot.");
    Tekst[283] = QStringLiteral("Grenzen");
    Tekst[284] = QStringLiteral("Temperatuurvoeler is niet aangesloten!");
    Tekst[285] = QStringLiteral("De meting is buiten bereik!");
    Tekst[286] = QStringLiteral("Schaal");
    Tekst[287] = QStringLiteral("&Kalibreren");
    Tekst[288] = QStringLiteral("Kies buffer 1.\r\n"
                                "Spoel de elektrode, dompel ze in de buffer, roer en kies 'Kalibreren'!");
    Tekst[289] = QStringLiteral("Blijf roeren en wacht tot de meting gevalideerd is!");
    Tekst[290] = QStringLiteral("Kies buffer 2.\r\n"
                                "Spoel de elektrode, dompel ze in de buffer, roer en kies 'Kalibreren' of "
                                "kies 'OK' voor een 1-puntskalibratie!");
    Tekst[291] = QStringLiteral("De temperatuur valt buiten het bereik van de gekozen standaardtabel!");
    Tekst[292] = QStringLiteral("Actuele pH");
    Tekst[293] = QStringLiteral("Meting");
    Tekst[294] = QStringLiteral("Standaard");
    Tekst[295] = QStringLiteral("Ingang");
    Tekst[296] = QStringLiteral("Module");
    Tekst[297] = QStringLiteral("Rack");
    Tekst[298] = QStringLiteral("Melding");
    Tekst[299] = QStringLiteral("Fout");
    Tekst[300] = QStringLiteral("De temperatuur is buiten bereik!");
    Tekst[301] = QStringLiteral("Ongeldige buffer!\r\n"
                                "\r\n"
                                "Controleer de selectie en/of de buffertabel!");
    Tekst[302] = QStringLiteral("Het verschil tussen de 2 standaarden is te klein!\r\n"
                                "\r\n");
    Tekst[303] = QStringLiteral("De ISO-pH van de elektrode is buiten bereik!");
    Tekst[304] = QStringLiteral("De helling van de elektrode is buiten bereik!");
    Tekst[305] = QStringLiteral("Kalibratie geslaagd!");
    Tekst[306] = QStringLiteral("ISO-pH");
    Tekst[307] = QStringLiteral("Kies 'OK' om verder te gaan!");
    Tekst[308] =
        QStringLiteral("Kies een andere standaard die minstens 2 pH van de eerste standaard verschilt!");
    Tekst[309] = QStringLiteral("Controleer de standaard en/of de elektrode en de kabel!");
    Tekst[310] = QStringLiteral("Manuele waarde");
    Tekst[311] = QStringLiteral("Geef een nieuwe 'Manuele waarde' in.");
    Tekst[312] = QStringLiteral("Geef de racknaam:");
    Tekst[313] = QStringLiteral("Geef de modulenaam:");
    Tekst[314] = QStringLiteral("!! Waarschuwing !!");
    Tekst[315] = QStringLiteral("Wijzigingen aan het meetsysteem kunnen\r\n"
                                "eerder opgenomen gegevensbestanden mogelijk\r\n"
                                "onleesbaar maken voor dit programma!\r\n");
    Tekst[316] = QStringLiteral("Celconstante");
    Tekst[317] = QStringLiteral("Standaard");
    Tekst[318] = QStringLiteral("Actuele geleidbaarheid");
    Tekst[319] = QStringLiteral("Kies de standaard.\r\n"
                                "Spoel de elektrode, dompel ze in de standaard, roer en kies 'Kalibreren'!");
    Tekst[320] = QStringLiteral("&Zoeken..");
    Tekst[321] = QStringLiteral("De schaal is buiten bereik!");
    Tekst[322] = QStringLiteral("De celconstante is buiten bereik!");
    Tekst[323] = QStringLiteral("Mogelijke oorzaken zijn luchtbellen, een verkeerde of vervuilde standaard, "
                                "een defecte of vervuilde elektrode, ...");
    Tekst[324] = QStringLiteral("Zeer lage meting!\r\n"
                                "\r\n"
                                "Controleer de elektrode en/of de standaardoplossing!\r\n"
                                "\r\n"
                                "Kies 'Kalibreren' om opnieuw te beginnen.");
    Tekst[325] = QStringLiteral("Kies het starttijdstip:");
    Tekst[326] = QStringLiteral("Kies het stoptijdstip:");
    Tekst[327] = QStringLiteral("Kies een stoptijdstip na het starttijdstip!");
    Tekst[328] = QStringLiteral("Dit bestand (zie venstertitel) werd niet gevonden in de bibliotheekmap.\r\n"
                                "Zorg dat dit bestand daar staat om de kalibratie verder te zetten.");
    Tekst[329] = QStringLiteral("Celtype");
    Tekst[330] = QStringLiteral("De saliniteit mag niet hoger zijn dan ");
    Tekst[331] = QStringLiteral("Reeks");
    Tekst[332] = QStringLiteral("Gegevensreeks");
    Tekst[333] = QStringLiteral("Diversen");
    Tekst[334] = QStringLiteral("Nieuwe grafiek");
    Tekst[335] = QStringLiteral("Het maximale aantal grafieken is bereikt!\r\n"
                                "\r\n"
                                "Verwijder andere grafieken om een nieuwe te maken.");
    Tekst[336] = QStringLiteral("Kies ingang voor $$, lijnnummer ##");
    Tekst[337] = QStringLiteral("Temperatuur");
    Tekst[338] = QStringLiteral("Kies $$ uit de lijst!");
    Tekst[339] = QStringLiteral("Grafieknaam");
    Tekst[340] = QStringLiteral("De instellingen van tabel 'YY'\r\n"
                                "vervangen door die van 'XX' ?");
    Tekst[341] = QStringLiteral("De instellingen van grafiek 'YY'\r\n"
                                "vervangen door die van 'XX' ?");
    Tekst[342] = QStringLiteral("Instellingen k&opiëren");
    Tekst[343] = QStringLiteral("Instellingen &vervangen");
    Tekst[344] = QStringLiteral("XY-recorder");
    Tekst[345] = QStringLiteral("Kies 'Ja' om deze grafiek te verwijderen,\r\n"
                                "Kies 'Nee' om ze te minimaliseren.");
    Tekst[346] = QStringLiteral("Titel");
    Tekst[347] = QStringLiteral("Sluiten");
    Tekst[348] = QStringLiteral("Printer");
    Tekst[349] = QStringLiteral("Papierformaat: ");
    Tekst[350] = QStringLiteral("Afdrukstand: ");
    Tekst[351] = QStringLiteral("Staand");
    Tekst[352] = QStringLiteral("Liggend");
    Tekst[353] = QStringLiteral("Kies een cel om de instellingen ervan te wijzigen!");
    Tekst[354] = QStringLiteral("Inschakelen");
    Tekst[355] = QStringLiteral("Afdrukken");
    Tekst[356] = QStringLiteral("Bezig met afdrukken...");
    Tekst[357] = QStringLiteral("Tabelwaarden");
    Tekst[358] = QStringLiteral("Grafieken na elkaar tonen. \\/: nieuw");
    Tekst[359] = QStringLiteral("Temperatuurcompensatie");
    Tekst[360] = QStringLiteral("Referentietemperatuur");
    Tekst[361] = QStringLiteral("Parameters van de module bijwerken ...");
    Tekst[362] = QStringLiteral("Er is een standaard met lagere geleidbaarheid nodig\r\n"
                                "om dit celtype te kalibreren!");
    Tekst[363] = QStringLiteral("Geleidbaarheidsopties");
    Tekst[364] = QStringLiteral("Kalibratiegegevens");
    Tekst[365] = QStringLiteral("Kalibratie vereist!");
    Tekst[366] = QStringLiteral("Niet gekalibreerd!");
    Tekst[367] = QStringLiteral("De kalibratiegegevens van deze geleidbaarheidscel wijzen op een\r\n"
                                "ander celtype dan ingesteld in de module!\r\n"
                                "\r\n");
    Tekst[368] = QStringLiteral("Deze ingang moet gekalibreerd worden.\r\n"
                                "Indien genegeerd, zullen de metingen foutief zijn!\r\n"
                                "\r\n"
                                "Kies OK om te negeren of 'Annuleren' om terug te keren.");
    Tekst[369] = QStringLiteral("Sensor");
    Tekst[370] = QStringLiteral("Controleer de elektrode en/of de kabel!");
    Tekst[371] = QStringLiteral("Blanco-oplossing");
    Tekst[372] = QStringLiteral("mV/decade");
    Tekst[373] = QStringLiteral("De meting werd niet stabiel bevonden.\r\n"
                                "\r\n"
                                "Wenst u deze als gevalideerde waarde te aanvaarden?\r\n");
    Tekst[374] = QStringLiteral("Kies standaard 2.\r\n"
                                "Spoel de elektrode, dompel ze in de standaard, roer en kies 'Kalibreren'!");
    Tekst[375] =
        QStringLiteral("Spoel de elektrode, dompel ze in een blanco-oplossing, roer en kies 'Kalibreren'.\r\n"
                       "\r\n"
                       "Kies 'OK' om de kalibratie van de blanco-oplossing over te slaan.");
    Tekst[376] = QStringLiteral("Blijf roeren en wacht tot de metingen stabiel zijn.\r\n"
                                "\r\n"
                                "Kies 'OK' om de metingen te valideren.");
    Tekst[377] = QStringLiteral("log[Conc]");
    Tekst[378] = QStringLiteral(
        "De berekende blancoconcentratie is hoger dan die van de eerder opgenomen standaarden.\r\n"
        "\r\n"
        "Controleer de oplossing en/of de elektrode.\r\n");
    Tekst[379] =
        QStringLiteral("Kies een andere standaard met een andere concentratie dan de eerste standaard!");
    Tekst[380] = QStringLiteral("Uitgeschakeld");
    Tekst[381] = QStringLiteral("Geef de luchtdruk in hPa:");
    Tekst[382] = QStringLiteral("Opties opgeloste zuurstof");
    Tekst[383] = QStringLiteral("De luchtdruk moet tussen 800 en 1200 hPa liggen!");
    Tekst[384] = QStringLiteral("&Reset");
    Tekst[385] = QStringLiteral("Op&ties");
    Tekst[386] = QStringLiteral("G&LP");
    Tekst[387] = QStringLiteral("R&acknaam");
    Tekst[388] = QStringLiteral("&Modulenaam");
    Tekst[389] = QStringLiteral("&Wissen");
    Tekst[390] = QStringLiteral("Potentiaal");
    Tekst[391] = QStringLiteral("Configuratie");
    Tekst[392] = QStringLiteral("Rapport");
    Tekst[393] = QStringLiteral("Laatste");
    Tekst[394] = QStringLiteral("Vorige");
    Tekst[395] = QStringLiteral("Vorige -1");
    Tekst[396] = QStringLiteral("Vorige -2");
    Tekst[397] = QStringLiteral("Vorige -3");
    Tekst[398] = QStringLiteral("Druk op 'Esc' om dit venster te sluiten.");
    Tekst[399] = QStringLiteral("GLP-rapport");
    Tekst[400] = QStringLiteral("Configuratierapport");
    Tekst[401] = QStringLiteral("Rack");
    Tekst[402] = QStringLiteral("ID.nr.");
    Tekst[403] = QStringLiteral("Module");
    Tekst[404] = QStringLiteral("ID.nr.");
    Tekst[405] = QStringLiteral("Type");
    Tekst[406] = QStringLiteral("Ingang");
    Tekst[407] = QStringLiteral("Ingeschakeld");
    Tekst[408] = QStringLiteral("Eenheid");
    Tekst[409] = QStringLiteral("Sensor");
    Tekst[410] = QStringLiteral("Type");
    Tekst[411] = QStringLiteral("Kalibratie");
    Tekst[412] = QStringLiteral("Status");
    Tekst[413] = QStringLiteral("Info");
    Tekst[414] = QStringLiteral("Naam");
    Tekst[415] = QStringLiteral("Buffer");
    Tekst[416] = QStringLiteral("Blancopotentiaal");
    Tekst[417] = QStringLiteral("Rack uitgeschakeld!");
    Tekst[418] = QStringLiteral("Aan");
    Tekst[419] = QStringLiteral("Uit");
    Tekst[420] = QStringLiteral("Meten stoppen/starten");
    Tekst[421] =
        QStringLiteral("\r\n"
                       "WAARSCHUWING:\r\n"
                       "    Alle punten die op hetzelfde tijdstip in alle tabellen opgenomen zijn,\r\n"
                       "    worden gewist!\r\n"
                       "\r\n"
                       "Wenst u alle geselecteerde punten te verwijderen?\r\n");
    Tekst[422] = QStringLiteral("Geselecteerde &lijnen verwijderen");
    Tekst[423] = QStringLiteral("Geselecteerde &cellen wissen");
    Tekst[424] = QStringLiteral("De gegevenstabellen werden gewijzigd.\r\n"
                                "\r\n"
                                "Kies 'Ja' om de wijzigingen op te slaan of\r\n"
                                "'Nee' om ze te negeren en het oorspronkelijke bestand te behouden!");
    Tekst[425] = QStringLiteral("Dit bestand werd eerder gewijzigd zonder op te slaan.\r\n"
                                "\r\n"
                                "Kies 'Ja' om de wijzigingen op te slaan of\r\n"
                                "'Nee' om ze te negeren en het oorspronkelijke bestand te behouden!");
    Tekst[426] = QStringLiteral("&Systeem");
    Tekst[427] = QStringLiteral("&Nieuw");
    Tekst[428] = QStringLiteral("&Meten");
    Tekst[429] = QStringLiteral("Bee&ld");
    Tekst[430] = QStringLiteral("&Module-instellingen");
    Tekst[431] = QStringLiteral("&Fabriekskalibratie");
    Tekst[432] = QStringLiteral("&Altijd bovenaan");
    Tekst[433] = QStringLiteral("Rack &inschakelen");
    Tekst[434] = QStringLiteral("Rack af&drukken");
    Tekst[435] = QStringLiteral("&Systeemboom");
    Tekst[436] = QStringLiteral("Automatisch afdrukken");
    Tekst[437] = QStringLiteral("Legende tonen");
    Tekst[438] = QStringLiteral("Labels");
    Tekst[439] = QStringLiteral("Kies standaard 1.\r\n"
                                "Spoel de elektrode, dompel ze in de standaard, roer en kies 'Kalibreren'!");
    Tekst[440] = QStringLiteral("een Ingang");
    Tekst[441] = QStringLiteral("een Module");
    Tekst[442] = QStringLiteral("een Rack");
    Tekst[443] = QStringLiteral("Bereik");
    Tekst[444] =
        QStringLiteral("Tabellen met een automatisch benoemde bestandsnaam kunnen niet bewerkt worden!\r\n");
    Tekst[445] = QStringLiteral("Relatieve klok");
    Tekst[446] = QStringLiteral("Referentiepunt instellen");
    Tekst[447] = QStringLiteral("Het maximale aantal racks is bereikt!");
    Tekst[448] = QStringLiteral("Nieuw rack");
    Tekst[449] = QStringLiteral("Er trad een fout op bij het lezen van dit gegevensbestand!");
    Tekst[450] = QStringLiteral("Code om het rack te resetten is verzonden");
    Tekst[451] = QStringLiteral("Code om de module te resetten is verzonden");
    Tekst[452] = QStringLiteral("Aanmeldingsverzoek is verzonden");
    Tekst[453] = QStringLiteral("Programma K740 opgestart");
    Tekst[454] = QStringLiteral("Configuratie gelezen,");
    Tekst[455] = QStringLiteral("Configuratie opgeslagen");
    Tekst[456] = QStringLiteral("Commando: ");
    Tekst[457] = QStringLiteral("Meting: ");
    Tekst[458] = QStringLiteral("Datalogger: ");
    Tekst[459] = QStringLiteral("Aanmelding: ");
    Tekst[460] = QStringLiteral("Programma K740 afgesloten");
    Tekst[461] = QStringLiteral("Ontvangen: ");
    Tekst[462] = QStringLiteral("Manueel");
    Tekst[463] = QStringLiteral("Racks/modules &resetten");
    Tekst[464] = QStringLiteral("Cap. com&pensatie");
    Tekst[465] = QStringLiteral("Capacitieve compensatie");
    Tekst[466] = QStringLiteral("Even geduld tot het systeem de meting stabiel bevindt!");
    Tekst[467] = QStringLiteral("Controleer of de aangesloten cel volledig droog is!");
    Tekst[468] = QStringLiteral("De gemeten waarde van de droge cel is te hoog!");
    Tekst[469] = QStringLiteral("Door gebruiker bepaalde standaard");
    Tekst[470] = QStringLiteral("Locaties");
    Tekst[471] = QStringLiteral("Wijzig de bestandslocaties door op de overeenkomstige lijn te klikken:");
    Tekst[472] = QStringLiteral("Gegevens");
    Tekst[473] = QStringLiteral("Bibliotheek");
    Tekst[474] = QStringLiteral("Configuratie");
    Tekst[475] = QStringLiteral("Bestanden");
    Tekst[476] = QStringLiteral("Map");
    Tekst[477] = QStringLiteral("Kies de map: ");
    Tekst[478] = QStringLiteral("Er trad een fout op bij het starten van '##'.");
    Tekst[479] = QStringLiteral("Sluit '##' om terug te keren naar het programma K740!");
    Tekst[480] = QStringLiteral("De bestanden worden naar de nieuwe locatie verplaatst.\r\n"
                                "Dit bestand bestaat reeds in de aangegeven map.\r\n"
                                "\r\n"
                                "Kies 'Ja' om alle bestaande bestanden te vervangen.\r\n"
                                "Kies 'Nee' als u alleen dit bestand wilt vervangen.\r\n"
                                "Kies 'Annuleren' om deze overdracht te stoppen.\r\n");
    Tekst[481] = QStringLiteral("Manuele invoer");
    Tekst[482] = QStringLiteral("Geef de waarde van de celconstante manueel in!");
    Tekst[483] = QStringLiteral("&Naar bestand...");
    Tekst[484] = QStringLiteral("Temperatuur");
    Tekst[485] = QStringLiteral("Deze meting delen binnen deze module.");
    Tekst[486] = QStringLiteral("De gedeelde meting gebruiken (##).");
    Tekst[487] = QStringLiteral("Gedeelde meting");
    Tekst[488] = QStringLiteral("Van CH");
    Tekst[489] = QStringLiteral("Klaar !");
    Tekst[490] = QStringLiteral("Er trad een fout op bij het schrijven van dit gegevensbestand!");
    Tekst[491] = QStringLiteral("Manuele waarde op laatste meting zetten");
    Tekst[500] = QStringLiteral("Nederlands");
}
