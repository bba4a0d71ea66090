K740 pH buffer table: the user buffers of the pH calibration, listed after the built-in ones.
A buffer starts with its name in double quotes on a line of its own. Each line after it is one
point: temperature in °C, a semicolon, the pH at that temperature (25;4.01). The temperatures rise
by at least 1 °C, a buffer holds at most 21 points, and an empty line ends it. The range of the
points must include 25 °C. Lines outside a buffer, like these, are ignored.

"Tetroxalate 1.68"
0;1.666
5;1.668
10;1.670
15;1.672
20;1.675
25;1.679
30;1.683
35;1.688
40;1.694
45;1.700
50;1.707
55;1.715
60;1.723
65;1.733
70;1.743
75;1.754
80;1.766

"Phthalate 4.01"
0;4.003
5;3.999
10;3.998
15;3.999
20;4.002
25;4.008
30;4.015
35;4.025
40;4.035
45;4.047
50;4.060
55;4.075
60;4.091
65;4.108
70;4.126
75;4.145
80;4.164

"Phosphate 6.87"
0;6.984
5;6.951
10;6.923
15;6.900
20;6.881
25;6.865
30;6.853
35;6.844
40;6.838
45;6.835
50;6.833
55;6.834
60;6.836
65;6.840
70;6.845
75;6.852
80;6.859

"Borax 9.18"
0;9.464
5;9.395
10;9.332
15;9.276
20;9.225
25;9.180
30;9.139
35;9.102
40;9.068
45;9.039
50;9.011
55;8.986
60;8.962
65;8.941
70;8.921
75;8.902
80;8.885

"Calcium hydroxide 12.45"
0;13.423
5;13.207
10;13.003
15;12.810
20;12.627
25;12.454
30;12.289
35;12.134
40;11.984
45;11.842
50;11.705
55;11.575
60;11.449
