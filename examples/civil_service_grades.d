7 12        seven grades, projected over twelve years
300 40 0 0 0 0 0      grade 1  clerical assistant: stayed, promoted
0 262 30 0 0 0 0      grade 2  clerical officer
0 0 205 25 0 0 0      grade 3  executive officer
0 0 0 134 14 0 0      grade 4  higher executive officer
0 0 0 0 85 8 0        grade 5  senior executive officer
0 0 0 0 0 43 4        grade 6  principal
0 0 0 0 0 0 16        grade 7  director
60 28 20 12 7 3 4     outflows (leavers) of grades 1 to 7 during the year
410 315 255 158 102 49 21     initial stocks, grades 1 to 7
85 25 12 5 3 2 0  0   recruits per year into grades 1 to 7; total 0 = use their sum
