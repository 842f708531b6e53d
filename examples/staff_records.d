3 10  ! 3 stages (Clerk, Officer, Manager), 10 periods to project; counted from staff_records.csv, 2019 to 2021, 2 transitions
2 1 0  ! X: from Clerk to each stage, summed over the 2 transitions
0 1 1  ! X: from Officer to each stage, summed over the 2 transitions
0 0 1  ! X: from Manager to each stage, summed over the 2 transitions
0 2 2  ! outflows: the leavers of each stage, summed over the 2 transitions
2 2 2  ! initial stocks: each stage at 2021
0.5 0.5 1 0  ! recruitments of each stage, the mean of the 2 transitions; a total of 0: they are persons
