// The English texts of the user interface, row by row in index order.
#include "shared/Teksten.h"

void VulTekstenEngels(TekstenTabel& t) {
    t[99] = QStringLiteral("&Yes");
    t[100] = QStringLiteral("&No");
    t[101] = QStringLiteral("&File");
    t[102] = QStringLiteral("&New");
    t[103] = QStringLiteral("&Open");
    t[104] = QStringLiteral("Sa&ve settings");
    t[105] = QStringLiteral("Save &as...");
    t[106] = QStringLiteral("&Print");
    t[107] = QStringLiteral("Printer &settings");
    t[108] = QStringLiteral("E&xit");
    t[109] = QStringLiteral("&Edit");
    t[110] = QStringLiteral("&Copy");
    t[111] = QStringLiteral("Dele&te");
    t[112] = QStringLiteral("&Data");
    t[113] = QStringLiteral("&Log");
    t[114] = QStringLiteral("&Settings");
    t[115] = QStringLiteral("Stop");
    t[116] = QStringLiteral("Invalid argument!");
    t[117] = QStringLiteral("' cannot be found!");
    t[118] = QStringLiteral("A file with this name already exists!\r\n"
                            "\r\n"
                            "Choose 'Yes' to OVERWRITE this existing file!\r\n");
    t[119] = QStringLiteral("Load last data file on start-up");
    t[120] = QStringLiteral("Out of range");
    t[121] = QStringLiteral("Graph");
    t[122] = QStringLiteral("Table");
    t[123] = QStringLiteral("No");
    t[124] = QStringLiteral("Date");
    t[125] = QStringLiteral("Time");
    t[126] = QStringLiteral("Info");
    t[127] = QStringLiteral("Settings");
    t[128] = QStringLiteral("Connection");
    t[129] = QStringLiteral("Module is not responding!");
    t[130] = QStringLiteral("Serial port");
    t[131] = QStringLiteral("Baud rate");
    t[132] = QStringLiteral("Start logging at:");
    t[133] = QStringLiteral("Stop logging at:");
    t[134] = QStringLiteral("Interval of time");
    t[135] = QStringLiteral(
        "There are no racks or modules registered.\r\n"
        "The software will send a request to log on.\r\n"
        "If a rack doesn't respond (wait at least 1 minute), check the connections,\r\n"
        "the settings of the serial port and whether the racks are powered. Retry by choosing\r\n"
        "'System>Search..' from the menu.\r\n");
    t[136] = QStringLiteral("Show tables successively.");
    t[137] = QStringLiteral("Show measurement windows successively.");
    t[138] = QStringLiteral("Log");
    t[139] = QStringLiteral("Attempts");
    t[140] = QStringLiteral("&OK");
    t[141] = QStringLiteral("&Cancel");
    t[142] = QStringLiteral("Request to log on ...");
    t[143] = QStringLiteral("Select the serial port used for the connection");
    t[144] = QStringLiteral("Start logging on start-up");
    t[145] = QStringLiteral("&Abort");
    t[146] = QStringLiteral("Incorrect input!");
    t[147] = QStringLiteral("The serial port is already in use!");
    t[148] = QStringLiteral("Check '");
    t[149] = QStringLiteral("' or select other port!");
    t[150] = QStringLiteral("Log data OFF");
    t[151] = QStringLiteral("Log data ON");
    t[152] = QStringLiteral("Error opening '");
    t[153] = QStringLiteral("ISO-pH");
    t[154] = QStringLiteral("Time");
    t[155] = QStringLiteral("Ion");
    t[156] = QStringLiteral("Do you wish to save the current data?");
    t[157] = QStringLiteral("&Graph settings");
    t[158] = QStringLiteral("&Window");
    t[159] = QStringLiteral("Tile &horizontal");
    t[160] = QStringLiteral("Tile &vertical");
    t[161] = QStringLiteral("&Cascade");
    t[162] = QStringLiteral("&Arrange icons");
    t[163] = QStringLiteral("Font");
    t[164] = QStringLiteral("&Select all");
    t[165] = QStringLiteral("&Deselect all");
    t[166] = QStringLiteral("In&vert selection");
    t[167] = QStringLiteral("&Renumber");
    t[168] = QStringLiteral("Number of visible points");
    t[169] = QStringLiteral("Automatic Settings");
    t[170] = QStringLiteral("Value axis");
    t[171] = QStringLiteral("Time axis");
    t[172] = QStringLiteral("Maximum");
    t[173] = QStringLiteral("Minimum");
    t[174] = QStringLiteral("Number of divisions");
    t[175] = QStringLiteral("C&urve colour");
    t[176] = QStringLiteral("Number of subdivisions");
    t[177] = QStringLiteral("Mean");
    t[178] = QStringLiteral("Configuration files");
    t[179] = QStringLiteral("T&oolbar");
    t[180] = QStringLiteral("Statistics");
    t[181] = QStringLiteral("Loading data file...");
    t[182] = QStringLiteral("Data files");
    t[183] = QStringLiteral("Some changes to the configuration has been made.\r\n"
                            "\r\n"
                            "Do you wish to save the settings?\r\n");
    t[184] = QStringLiteral("Settings saved!");
    t[185] = QStringLiteral("Ter&minal");
    t[186] = QStringLiteral("File to save as ...");
    t[187] = QStringLiteral("File to open");
    t[188] = QStringLiteral("Change Font");
    t[189] = QStringLiteral("Saving files on a network is not supported!");
    t[190] = QStringLiteral("Invalid denomination!");
    t[191] = QStringLiteral("MEAN:");
    t[192] = QStringLiteral("relative mode");
    t[193] = QStringLiteral("Edit info");
    t[194] = QStringLiteral("Number of values");
    t[195] = QStringLiteral("Operator:");
    t[196] = QStringLiteral("Company:");
    t[197] = QStringLiteral("Division:");
    t[198] = QStringLiteral("Note:");
    t[199] = QStringLiteral("System:");
    t[200] = QStringLiteral("ID.no.");
    t[201] = QStringLiteral("General");
    t[202] = QStringLiteral("Module");
    t[203] = QStringLiteral("Enter another name different from the file in memory!");
    t[204] = QStringLiteral("All");
    t[205] = QStringLiteral("Current window");
    t[206] = QStringLiteral("Restrict to selection");
    t[207] = QStringLiteral("Top margin:");
    t[208] = QStringLiteral("Bottom margin:");
    t[209] = QStringLiteral("Left margin:");
    t[210] = QStringLiteral("Right margin:");
    t[211] = QStringLiteral("Page margins");
    t[212] = QStringLiteral("Values in millimetres,");
    t[213] = QStringLiteral("relative to printable area");
    t[214] = QStringLiteral("&Copy");
    t[215] = QStringLiteral("All files (*.*)|*.*");
    t[216] = QStringLiteral("Text Files");
    t[217] = QStringLiteral("Corrupted Data!");
    t[218] = QStringLiteral("New file to save as ...");
    t[219] = QStringLiteral("Colour");
    t[220] = QStringLiteral("Alarm");
    t[221] = QStringLiteral("High limit");
    t[222] = QStringLiteral("Low limit");
    t[223] = QStringLiteral("Include alarm report");
    t[224] = QStringLiteral("Alarm report");
    t[225] = QStringLiteral("High limit exceeded:");
    t[226] = QStringLiteral("Low limit exceeded:");
    t[227] = QStringLiteral("&Help");
    t[228] = QStringLiteral("Recovered:");
    t[229] = QStringLiteral("Number of times the high limit was exceeded:");
    t[230] = QStringLiteral("High limit has not been exceeded.");
    t[231] = QStringLiteral("Number of times the low limit was exceeded:");
    t[232] = QStringLiteral("Low limit has not been exceeded.");
    t[233] = QStringLiteral("The original file is restored.\r\n");
    t[234] = QStringLiteral("The file is in use, access to # is rejected!");
    t[235] = QStringLiteral("&Retry");
    t[236] = QStringLiteral("&Ignore");
    t[237] = QStringLiteral("Measurement range");
    t[238] = QStringLiteral("Version");
    t[239] = QStringLiteral("Data acquisition system");
    t[240] = QStringLiteral("Page header");
    t[241] = QStringLiteral("Select the language:");
    t[242] = QStringLiteral("Language");
    t[243] = QStringLiteral("&Contents");
    t[244] = QStringLiteral("Wrong input!");
    t[245] = QStringLiteral("Warning: ");
    t[246] = QStringLiteral("&System info...");
    t[247] = QStringLiteral("System information is unavailable at this time!");
    t[248] = QStringLiteral("Reading parameters");
    t[249] = QStringLiteral("All rights reserved.");
    t[250] = QStringLiteral("Please wait while writing to ");
    t[251] = QStringLiteral("Number of selections: ");
    t[252] = QStringLiteral("Non-existing file!");
    t[253] = QStringLiteral("New");
    t[254] = QStringLiteral("Open");
    t[255] = QStringLiteral("Save as...");
    t[256] = QStringLiteral("New file...");
    t[257] = QStringLiteral("Settings");
    t[258] = QStringLiteral("Graph settings");
    t[259] = QStringLiteral("Font");
    t[260] = QStringLiteral("Save settings");
    t[261] = QStringLiteral("Log data");
    t[262] = QStringLiteral("Receive data");
    t[263] = QStringLiteral("# Calibration:");
    t[264] = QStringLiteral("Disconnect");
    t[265] = QStringLiteral("Show terminal window");
    t[266] = QStringLiteral("Copy to clipboard");
    t[267] = QStringLiteral("Please wait until all racks have logged on!");
    t[268] = QStringLiteral("GLP");
    t[269] = QStringLiteral("The specified file map is invalid!");
    t[270] = QStringLiteral("Slope");
    t[271] = QStringLiteral("Offset");
    t[272] = QStringLiteral("Cell constant");
    t[273] = QStringLiteral("Salinity");
    t[274] = QStringLiteral("Air pressure");
    t[275] = QStringLiteral("Zero point");
    t[276] = QStringLiteral("Date - Time");
    t[277] = QStringLiteral("Calibrated at");
    t[278] = QStringLiteral("Unit");
    t[279] = QStringLiteral("Resolution");
    t[280] = QStringLiteral("Calibrate at ");
    t[281] = QStringLiteral("Please select or enter the 'Calibrate at' value.");
    t[282] = QStringLiteral("The offset is too large.");
    t[283] = QStringLiteral("Limits");
    t[284] = QStringLiteral("Temperature probe is not connected!");
    t[285] = QStringLiteral("The measurement is out of range!");
    t[286] = QStringLiteral("Scale");
    t[287] = QStringLiteral("Cali&brate");
    t[288] = QStringLiteral("Select buffer 1.\r\n"
                            "Rinse the electrode, immerse into the buffer, stir and select 'Calibrate'!");
    t[289] = QStringLiteral("Keep stirring and wait until validated!");
    t[290] = QStringLiteral("Select buffer 2.\r\n"
                            "Rinse the electrode, immerse into the buffer, stir and select 'Calibrate' "
                            "or select 'OK' for a 1-point calibration!");
    t[291] = QStringLiteral("The temperature is out of the range from the selected standard table!");
    t[292] = QStringLiteral("Actual pH");
    t[293] = QStringLiteral("Measurement");
    t[294] = QStringLiteral("Standard");
    t[295] = QStringLiteral("Input");
    t[296] = QStringLiteral("Module");
    t[297] = QStringLiteral("Rack");
    t[298] = QStringLiteral("Message");
    t[299] = QStringLiteral("Error");
    t[300] = QStringLiteral("The temperature is out of range!");
    t[301] = QStringLiteral("Invalid buffer!\r\n"
                            "\r\n"
                            "Check selection and/or buffer table!");
    t[302] = QStringLiteral("The difference between the 2 standards is too low!\r\n"
                            "\r\n");
    t[303] = QStringLiteral("The ISO pH of the electrode is out of range!");
    t[304] = QStringLiteral("The slope of the electrode is out of range!");
    t[305] = QStringLiteral("Calibration successful!");
    t[306] = QStringLiteral("ISO pH");
    t[307] = QStringLiteral("Select 'OK' to proceed!");
    t[308] = QStringLiteral("Select another standard which differs at least 2 pH from the first standard!");
    t[309] = QStringLiteral("Check standard and/or electrode and its cable!");
    t[310] = QStringLiteral("Manual value");
    t[311] = QStringLiteral("Please enter a new 'Manual value'.");
    t[312] = QStringLiteral("Enter rack name:");
    t[313] = QStringLiteral("Enter module name:");
    t[314] = QStringLiteral("!! Warning !!");
    t[315] = QStringLiteral("Modifications to the measurement system makes\r\n"
                            "the previously recorded data files possibly\r\n"
                            "unreadable for this software!\r\n");
    t[316] = QStringLiteral("Cell constant");
    t[317] = QStringLiteral("Standard");
    t[318] = QStringLiteral("Actual conductivity");
    t[319] = QStringLiteral("Select the standard.\r\n"
                            "Rinse the electrode, immerse into the standard, stir and select 'Calibrate'!");
    t[320] = QStringLiteral("&Search..");
    t[321] = QStringLiteral("The scale is out of range!");
    t[322] = QStringLiteral("The cell constant is out of range!");
    t[323] = QStringLiteral(
        "Possible causes are air bubbles, wrong or polluted standard, defective or polluted electrode, ...");
    t[324] = QStringLiteral("Very low measurement!\r\n"
                            "\r\n"
                            "Check the electrode and/or standard solution!\r\n"
                            "\r\n"
                            "Select 'Calibrate' to restart.");
    t[325] = QStringLiteral("Select start time:");
    t[326] = QStringLiteral("Select stop time:");
    t[327] = QStringLiteral("Set a stop time passing the time to start!");
    t[328] = QStringLiteral("This file (see window title) cannot be found in the library section.\r\n"
                            "Make sure this file is placed there to proceed with the calibration.");
    t[329] = QStringLiteral("Type of cell");
    t[330] = QStringLiteral("The salinity may not exceed ");
    t[331] = QStringLiteral("Series");
    t[332] = QStringLiteral("Data series");
    t[333] = QStringLiteral("Miscellaneous");
    t[334] = QStringLiteral("New graph");
    t[335] = QStringLiteral("The maximum number of graphs has been reached!\r\n"
                            "\r\n"
                            "Remove other graphs to create a new one.");
    t[336] = QStringLiteral("Select input for $$, Line number ##");
    t[337] = QStringLiteral("Temperature");
    t[338] = QStringLiteral("Select $$ from the listbox!");
    t[339] = QStringLiteral("Graph name");
    t[340] = QStringLiteral("Replace the settings from table 'YY'\r\n"
                            "with those from 'XX' ?");
    t[341] = QStringLiteral("Replace the settings from graph 'YY'\r\n"
                            "with those from 'XX' ?");
    t[342] = QStringLiteral("C&opy settings");
    t[343] = QStringLiteral("Repl&ace settings");
    t[344] = QStringLiteral("XY-recorder");
    t[345] = QStringLiteral("Select 'Yes' to remove this graph,\r\n"
                            "Select 'No' to minimize it.");
    t[346] = QStringLiteral("Title");
    t[347] = QStringLiteral("Close");
    t[348] = QStringLiteral("Printer");
    t[349] = QStringLiteral("Paper size: ");
    t[350] = QStringLiteral("Orientation: ");
    t[351] = QStringLiteral("Portrait");
    t[352] = QStringLiteral("Landscape");
    t[353] = QStringLiteral("Select a cell to change its settings!");
    t[354] = QStringLiteral("Enable");
    t[355] = QStringLiteral("To print");
    t[356] = QStringLiteral("Printing in progress...");
    t[357] = QStringLiteral("Table values");
    t[358] = QStringLiteral("Show graphs successively. \\/: new");
    t[359] = QStringLiteral("Temperature compensation");
    t[360] = QStringLiteral("Reference temperature");
    t[361] = QStringLiteral("Updating parameters module ...");
    t[362] = QStringLiteral("A standard with lower conductivity is needed\r\n"
                            "to calibrate this type of cell!");
    t[363] = QStringLiteral("Conductivity options");
    t[364] = QStringLiteral("Calibration data");
    t[365] = QStringLiteral("Calibration required!");
    t[366] = QStringLiteral("Not calibrated!");
    t[367] = QStringLiteral("The calibration data from this conductivity cell indicate a\r\n"
                            "type of cell different from the module setting!\r\n"
                            "\r\n");
    t[368] = QStringLiteral("This input needs to be calibrated.\r\n"
                            "If ignored, the measurements will be erroneous!\r\n"
                            "\r\n"
                            "Select OK to ignore or 'Cancel' to return.");
    t[369] = QStringLiteral("Sensor");
    t[370] = QStringLiteral("Check the electrode and/or cable!");
    t[371] = QStringLiteral("Blank solution");
    t[372] = QStringLiteral("mV/decade");
    t[373] = QStringLiteral("The measurement was not found to be stable.\r\n"
                            "\r\n"
                            "Do you wish to accept this as a validated value?\r\n");
    t[374] = QStringLiteral("Select standard 2.\r\n"
                            "Rinse the electrode, immerse into the standard, stir and select 'Calibrate'!");
    t[375] =
        QStringLiteral("Rinse the electrode, immerse into a blank solution, stir and Select 'Calibrate'.\r\n"
                       "\r\n"
                       "Select 'OK' to skip the calibration of the blank solution.");
    t[376] = QStringLiteral("Keep stirring and wait until the readings are stable.\r\n"
                            "\r\n"
                            "Select 'OK' to validate the measurements.");
    t[377] = QStringLiteral("log[Conc]");
    t[378] = QStringLiteral(
        "The calculated blank concentration is higher then the previously recorded standards.\r\n"
        "\r\n"
        "Check the solution and/or electrode.\r\n");
    t[379] = QStringLiteral(
        "Select another standard which with a different concentration from the first standard!");
    t[380] = QStringLiteral("Disabled");
    t[381] = QStringLiteral("Enter the air pressure in hPa:");
    t[382] = QStringLiteral("Dissolved oxygen options");
    t[383] = QStringLiteral("The air pressure should be between 800 and 1200 hPa!");
    t[384] = QStringLiteral("&Reset");
    t[385] = QStringLiteral("Op&tions");
    t[386] = QStringLiteral("G&LP");
    t[387] = QStringLiteral("R&ack name");
    t[388] = QStringLiteral("&Module name");
    t[389] = QStringLiteral("&Clear");
    t[390] = QStringLiteral("Potential");
    t[391] = QStringLiteral("Configuration");
    t[392] = QStringLiteral("Report");
    t[393] = QStringLiteral("Last");
    t[394] = QStringLiteral("Previous");
    t[395] = QStringLiteral("Previous -1");
    t[396] = QStringLiteral("Previous -2");
    t[397] = QStringLiteral("Previous -3");
    t[398] = QStringLiteral("Press 'Esc' to remove this window.");
    t[399] = QStringLiteral("GLP report");
    t[400] = QStringLiteral("Configuration report");
    t[401] = QStringLiteral("Rack");
    t[402] = QStringLiteral("ID.no.");
    t[403] = QStringLiteral("Module");
    t[404] = QStringLiteral("ID.no.");
    t[405] = QStringLiteral("Type");
    t[406] = QStringLiteral("Input");
    t[407] = QStringLiteral("Enabled");
    t[408] = QStringLiteral("Unit");
    t[409] = QStringLiteral("Sensor");
    t[410] = QStringLiteral("Type");
    t[411] = QStringLiteral("Calibration");
    t[412] = QStringLiteral("Status");
    t[413] = QStringLiteral("Info");
    t[414] = QStringLiteral("Name");
    t[415] = QStringLiteral("Buffer");
    t[416] = QStringLiteral("Blank potential");
    t[417] = QStringLiteral("Rack disabled!");
    t[418] = QStringLiteral("On");
    t[419] = QStringLiteral("Off");
    t[420] = QStringLiteral("Stop/Start to measure");
    t[421] = QStringLiteral("\r\n"
                            "WARNING:\r\n"
                            "    All points recorded at the same time from all tables\r\n"
                            "    will be erased!\r\n"
                            "\r\n"
                            "Do you wish to delete all selected points?\r\n");
    t[422] = QStringLiteral("D&elete selected lines");
    t[423] = QStringLiteral("Clea&r selected cells");
    t[424] = QStringLiteral("The data tables has been changed.\r\n"
                            "\r\n"
                            "Choose 'Yes' to save the changes or\r\n"
                            "'No' to ignore them and to keep the original file!");
    t[425] = QStringLiteral("This file has previously been changed without saving.\r\n"
                            "\r\n"
                            "Choose 'Yes' to save the changes or\r\n"
                            "'No' to ignore them and to keep the original file!");
    t[426] = QStringLiteral("&System");
    t[427] = QStringLiteral("&New");
    t[428] = QStringLiteral("&Measure");
    t[429] = QStringLiteral("&View");
    t[430] = QStringLiteral("&Module settings");
    t[431] = QStringLiteral("&Factory calibration");
    t[432] = QStringLiteral("&Always on top");
    t[433] = QStringLiteral("&Enable rack");
    t[434] = QStringLiteral("&Print rack");
    t[435] = QStringLiteral("&System tree");
    t[436] = QStringLiteral("Print automatically");
    t[437] = QStringLiteral("Show legend");
    t[438] = QStringLiteral("Labels");
    t[439] = QStringLiteral("Select standard 1.\r\n"
                            "Rinse the electrode, immerse into the standard, stir and select 'Calibrate'!");
    t[440] = QStringLiteral("an Input");
    t[441] = QStringLiteral("a Module");
    t[442] = QStringLiteral("a Rack");
    t[443] = QStringLiteral("Range");
    t[444] = QStringLiteral("Tables with a automatic denominated filename cannot be edited!\r\n");
    t[445] = QStringLiteral("Relative clock");
    t[446] = QStringLiteral("Set reference point");
    t[447] = QStringLiteral("The maximum number of racks is reached!");
    t[448] = QStringLiteral("New rack");
    t[449] = QStringLiteral("An error is encountered when reading this data file!");
    t[450] = QStringLiteral("Code to reset the rack is sent");
    t[451] = QStringLiteral("Code to reset the module is sent");
    t[452] = QStringLiteral("Request to log on is sent");
    t[453] = QStringLiteral("The software K740 is started");
    t[454] = QStringLiteral("Configuration read,");
    t[455] = QStringLiteral("Configuration saved");
    t[456] = QStringLiteral("Command: ");
    t[457] = QStringLiteral("Measure: ");
    t[458] = QStringLiteral("Data logger: ");
    t[459] = QStringLiteral("Log on: ");
    t[460] = QStringLiteral("The software K740 is stopped");
    t[461] = QStringLiteral("Received: ");
    t[462] = QStringLiteral("Manually");
    t[463] = QStringLiteral("Rese&t racks/modules");
    t[464] = QStringLiteral("Cap. com&pensation");
    t[465] = QStringLiteral("Capacitive compensation");
    t[466] = QStringLiteral("Please wait until the measurement is found to be stable by the system!");
    t[467] = QStringLiteral("Verify if the attached cell is completely dry!");
    t[468] = QStringLiteral("The measured value of the dry cell is too high!");
    t[469] = QStringLiteral("User specified standard");
    t[470] = QStringLiteral("Locations");
    t[471] = QStringLiteral("Change the file locations by clicking the corresponding line:");
    t[472] = QStringLiteral("Data");
    t[473] = QStringLiteral("Library");
    t[474] = QStringLiteral("Configuration");
    t[475] = QStringLiteral("Files");
    t[476] = QStringLiteral("Folder");
    t[477] = QStringLiteral("Select the folder: ");
    t[478] = QStringLiteral("An error occured when starting '##'.");
    t[479] = QStringLiteral("Close '##' to return to the K740 software!");
    t[480] = QStringLiteral("The files are moved to the new location.\r\n"
                            "This file already exists in the indicated folder.\r\n"
                            "\r\n"
                            "To replace all the existing files, choose 'Yes'.\r\n"
                            "If you wish to replace only this file, choose 'No'.\r\n"
                            "Choose 'Cancel' to stop this transfer action.\r\n");
    t[481] = QStringLiteral("Manual input");
    t[482] = QStringLiteral("Enter manually the value of the cell constant!");
    t[483] = QStringLiteral("&To file...");
    t[484] = QStringLiteral("Temperature");
    t[485] = QStringLiteral("Share this measurement for this module.");
    t[486] = QStringLiteral("Use the shared measurement (##).");
    t[487] = QStringLiteral("Shared measurement");
    t[488] = QStringLiteral("From CH");
    t[489] = QStringLiteral("Done !");
    t[490] = QStringLiteral("An error is encountered when writing this data file!");
    t[491] = QStringLiteral("Set manual value to last measurement");
    t[492] = QStringLiteral("The disk cannot take the rows of this data file and the memory that keeps them "
                            "is full: rows are given up from ## on, until the file can be written again.");
    t[493] = QStringLiteral("## rows not written, from ## to ##");
    t[494] = QStringLiteral("The files are not moved: they stay in #.");
    t[495] =
        QStringLiteral("The disk cannot take the rows of ## logging files of this data file and the memory "
                       "that keeps them is full: rows are given up from ## on, until the files can be "
                       "written again.");
    t[496] = QStringLiteral("rows are given up from ## on");
    t[497] = QStringLiteral("1 row not written, at ##");
    t[498] = QStringLiteral("the end point of ## was not written");
    t[499] = QStringLiteral("This file and the racks present differ in ##.\r\n"
                            "\r\n"
                            "A logging file names each rack and module by its number when the file was\r\n"
                            "written (R2M1: rack 2, module 1), and its values go to the rack and module\r\n"
                            "that have that number now. The values of a rack or module not present under\r\n"
                            "that number are left out; a module the file holds no values of shows only\r\n"
                            "the times and cannot be edited.");
    t[500] = QStringLiteral("English");
    t[501] = QStringLiteral("This row was read by position and holds no field of ##.\r\n"
                            "\r\n"
                            "A row whose file header does not place its blocks, or that holds more fields\r\n"
                            "than its header, gives its blocks to the modules present in their order.\r\n"
                            "This row ends before a block of that module: its cells are empty and cannot\r\n"
                            "be edited.");
    t[502] = QStringLiteral("It is not known where the values of this row lie in its line of the file:\r\n"
                            "the racks and modules it was read, saved or logged with are not known.\r\n"
                            "It cannot be edited. Open the file again to edit it.");
    t[503] = QStringLiteral("System");
    t[504] = QStringLiteral("Kernel");
    t[505] = QStringLiteral("Architecture");
    t[506] = QStringLiteral("Memory");
    t[507] = QStringLiteral("## free");
    t[508] = QStringLiteral("Computer");
    t[509] = QStringLiteral("This row has no line in the file:\r\n"
                            "its info text cannot be written.\r\n"
                            "\r\n"
                            "A row without a time (a deleted row, the empty row below the newest) has\r\n"
                            "no line, nor has a row that was given up because the disk refused it.");
    t[510] = QStringLiteral("The table changed while this info text was being edited:\r\n"
                            "the text was not written.\r\n"
                            "\r\n"
                            "Logging is on, the table shows another file, or it was emptied or laid\r\n"
                            "out afresh (a search). Edit the info of the row again.");
    t[511] = QStringLiteral("The table changed while the question to delete the selected rows was open:\r\n"
                            "no row was deleted.\r\n"
                            "\r\n"
                            "Logging is on, the table shows another file, or it was closed, emptied\r\n"
                            "or laid out afresh (a search). Select the rows that are to go and delete\r\n"
                            "them again.");
    t[512] = QStringLiteral("Another data file was opened while Save As waited for an answer:\r\n"
                            "nothing was saved.\r\n"
                            "\r\n"
                            "The tables now show another file: it was opened or made meanwhile, or\r\n"
                            "the logging went on in a new file. Choose Save As again to save the file\r\n"
                            "they show.");
    t[513] = QStringLiteral("The tables were edited while Save As waited for an answer:\r\n"
                            "nothing was saved.\r\n"
                            "\r\n"
                            "The edits wait in the working copy of the file named in the title,\r\n"
                            "which the tables show. Choose Save As again to save the file with its\r\n"
                            "edits.");
}
