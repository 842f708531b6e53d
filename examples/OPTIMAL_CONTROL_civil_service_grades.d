6                                                     control period: six years
415 318 256 159 102 49 22   85 25 12 5 3 2 1          year 1: desired stocks of grades 1-7, then desired recruits
420 321 258 160 103 50 24   85 25 12 5 3 2 1          year 2
425 324 260 161 104 50 26   85 26 12 5 3 2 1          year 3
430 327 262 162 105 51 28   86 26 12 5 3 2 1          year 4
435 330 264 163 106 51 30   86 26 13 5 3 2 1          year 5
440 333 266 164 107 52 32   86 26 13 5 3 2 1          year 6
1 1 1 1 1 1 1   0.2 0.2 0.2 0.2 0.2 0.2 1             weights of year 1: stocks, then recruits;
1 1 1 1 1 1 1   0.2 0.2 0.2 0.2 0.2 0.2 1             the directors are recruited sparingly
1 1 1 1 1 1 1   0.2 0.2 0.2 0.2 0.2 0.2 1
1 1 1 1 1 1 1   0.2 0.2 0.2 0.2 0.2 0.2 1
1 1 1 1 1 1 1   0.2 0.2 0.2 0.2 0.2 0.2 1
4 4 4 4 4 4 4   0.2 0.2 0.2 0.2 0.2 0.2 1             year 6: the end of the plan weighs more
