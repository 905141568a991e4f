-- The game's tables beside the skills and the titles.

-- Branch skill tables, rows 1 to 8 in Roll order. Entries are skills, or the
-- generic "Gun Combat" and "Gunnery" that the skill picker resolves: the
-- first-term trainings learn an entry literally.
INSERT INTO BranchSkills (Branch, Roll, Skill) VALUES
  ('Line/Crew', 1, 'Vacc Suit'), ('Line/Crew', 2, 'Gun Combat'), ('Line/Crew', 3, 'Zero-G Combat'), ('Line/Crew', 4, 'Mechanical'),
  ('Line/Crew', 5, 'Electronics'), ('Line/Crew', 6, 'Navigation'), ('Line/Crew', 7, 'Ship Tactics'), ('Line/Crew', 8, 'Leader'),
  ('Flight', 1, 'Vacc Suit'), ('Flight', 2, 'Ships Boat'), ('Flight', 3, 'Pilot'), ('Flight', 4, 'Navigation'),
  ('Flight', 5, 'Communications'), ('Flight', 6, 'Pilot'), ('Flight', 7, 'Gun Combat'), ('Flight', 8, 'Ship Tactics'),
  ('Gunnery', 1, 'Vacc Suit'), ('Gunnery', 2, 'Gunnery'), ('Gunnery', 3, 'Gunnery'), ('Gunnery', 4, 'Forward Observer'),
  ('Gunnery', 5, 'Electronics'), ('Gunnery', 6, 'Gunnery'), ('Gunnery', 7, 'Computer'), ('Gunnery', 8, 'Ship Tactics'),
  ('Engineering', 1, 'Vacc Suit'), ('Engineering', 2, 'Mechanical'), ('Engineering', 3, 'Electronics'), ('Engineering', 4, 'Engineering'),
  ('Engineering', 5, 'Gravitics'), ('Engineering', 6, 'Engineering'), ('Engineering', 7, 'Jack-o-T'), ('Engineering', 8, 'Computer'),
  ('Medical', 1, 'Vacc Suit'), ('Medical', 2, 'Administration'), ('Medical', 3, 'Medical'), ('Medical', 4, 'Computer'),
  ('Medical', 5, 'Medical'), ('Medical', 6, 'Survival'), ('Medical', 7, 'Medical'), ('Medical', 8, 'Leader'),
  ('Technical', 1, 'Vacc Suit'), ('Technical', 2, 'Computer'), ('Technical', 3, 'Electronics'), ('Technical', 4, 'Mechanical'),
  ('Technical', 5, 'Gravitics'), ('Technical', 6, 'Communications'), ('Technical', 7, 'Jack-o-T'), ('Technical', 8, 'Computer');

-- Service skill tables, rows 1 to 10. Entries are skills, the generic skills
-- the picker resolves, or characteristic increases ("+1 Str").
INSERT INTO ServiceSkills (Category, Roll, Skill) VALUES
  ('Navy Life', 1, 'Brawling'), ('Navy Life', 2, '+1 Str'), ('Navy Life', 3, 'Carousing'), ('Navy Life', 4, 'Gambling'), ('Navy Life', 5, '+1 End'),
  ('Navy Life', 6, '+1 Dex'), ('Navy Life', 7, '+1 End'), ('Navy Life', 8, '+1 Edu'), ('Navy Life', 9, 'Carousing'), ('Navy Life', 10, 'Vacc Suit'),
  ('Shipboard Life', 1, 'Gambling'), ('Shipboard Life', 2, '+1 Dex'), ('Shipboard Life', 3, 'Blade Combat'), ('Shipboard Life', 4, 'Mechanical'), ('Shipboard Life', 5, 'Ships Boat'),
  ('Shipboard Life', 6, 'Vacc Suit'), ('Shipboard Life', 7, 'Zero-G Combat'), ('Shipboard Life', 8, 'Communications'), ('Shipboard Life', 9, 'Administration'), ('Shipboard Life', 10, 'Jack-o-T'),
  ('Shore Duty Life', 1, 'Carousing'), ('Shore Duty Life', 2, 'Vehicle'), ('Shore Duty Life', 3, 'Forward Observer'), ('Shore Duty Life', 4, 'Vacc Suit'), ('Shore Duty Life', 5, 'Liaison'),
  ('Shore Duty Life', 6, 'Vehicle'), ('Shore Duty Life', 7, 'Forward Observer'), ('Shore Duty Life', 8, 'Survival'), ('Shore Duty Life', 9, 'Vacc Suit'), ('Shore Duty Life', 10, 'Battle Dress'),
  ('Petty Officer', 1, 'Vacc Suit'), ('Petty Officer', 2, 'Blade Combat'), ('Petty Officer', 3, 'Gun Combat'), ('Petty Officer', 4, 'Mechanical'), ('Petty Officer', 5, 'Medical'),
  ('Petty Officer', 6, 'Leader'), ('Petty Officer', 7, 'Zero-G Combat'), ('Petty Officer', 8, '+1 Edu'), ('Petty Officer', 9, 'Instruction'), ('Petty Officer', 10, 'Administration'),
  ('Command Officer', 1, 'Vehicle'), ('Command Officer', 2, '+1 End'), ('Command Officer', 3, 'Gun Combat'), ('Command Officer', 4, 'Ships Boat'), ('Command Officer', 5, 'Pilot'),
  ('Command Officer', 6, 'Ship Tactics'), ('Command Officer', 7, 'Leader'), ('Command Officer', 8, '+1 Soc'), ('Command Officer', 9, 'Leader'), ('Command Officer', 10, 'Ship Tactics'),
  ('Staff Officer', 1, 'Computer'), ('Staff Officer', 2, 'Electronics'), ('Staff Officer', 3, 'Gun Combat'), ('Staff Officer', 4, 'Administration'), ('Staff Officer', 5, 'Bribery'),
  ('Staff Officer', 6, 'Ship Tactics'), ('Staff Officer', 7, 'Fleet Tactics'), ('Staff Officer', 8, '+1 Int'), ('Staff Officer', 9, 'Ship Tactics'), ('Staff Officer', 10, 'Fleet Tactics');

-- Survival: 2D plus the branch's modifier, less the player's survival DM,
-- must beat the number; equal injures, below kills. Training is safest.
INSERT INTO SurvivalRoll (Branch, Assignment, Roll) VALUES
  ('Line', 'Training', 1), ('Line', 'Shore Duty', 2), ('Line', 'Patrol', 2), ('Line', 'Siege', 3), ('Line', 'Strike', 3), ('Line', 'Battle', 4),
  ('Flight', 'Training', 1), ('Flight', 'Shore Duty', 2), ('Flight', 'Patrol', 3), ('Flight', 'Siege', 3), ('Flight', 'Strike', 4), ('Flight', 'Battle', 5),
  ('Gunnery', 'Training', 1), ('Gunnery', 'Shore Duty', 2), ('Gunnery', 'Patrol', 2), ('Gunnery', 'Siege', 3), ('Gunnery', 'Strike', 4), ('Gunnery', 'Battle', 5),
  ('Engineering', 'Training', 1), ('Engineering', 'Shore Duty', 2), ('Engineering', 'Patrol', 2), ('Engineering', 'Siege', 3), ('Engineering', 'Strike', 3), ('Engineering', 'Battle', 4),
  ('Medical', 'Training', 1), ('Medical', 'Shore Duty', 2), ('Medical', 'Patrol', 2), ('Medical', 'Siege', 2), ('Medical', 'Strike', 3), ('Medical', 'Battle', 3),
  ('Technical', 'Training', 1), ('Technical', 'Shore Duty', 2), ('Technical', 'Patrol', 2), ('Technical', 'Siege', 3), ('Technical', 'Strike', 3), ('Technical', 'Battle', 4);

-- Decoration: 2D plus modifiers reaching the number earns the MCUF, the
-- number + 3 the MCG, the number + 6 the SEH. 0: no decoration roll.
INSERT INTO DecorationRoll (Branch, Assignment, Roll) VALUES
  ('Line', 'Training', 0), ('Line', 'Shore Duty', 0), ('Line', 'Patrol', 11), ('Line', 'Siege', 10), ('Line', 'Strike', 9), ('Line', 'Battle', 8),
  ('Flight', 'Training', 0), ('Flight', 'Shore Duty', 0), ('Flight', 'Patrol', 11), ('Flight', 'Siege', 10), ('Flight', 'Strike', 8), ('Flight', 'Battle', 7),
  ('Gunnery', 'Training', 0), ('Gunnery', 'Shore Duty', 0), ('Gunnery', 'Patrol', 11), ('Gunnery', 'Siege', 10), ('Gunnery', 'Strike', 8), ('Gunnery', 'Battle', 7),
  ('Engineering', 'Training', 0), ('Engineering', 'Shore Duty', 0), ('Engineering', 'Patrol', 12), ('Engineering', 'Siege', 10), ('Engineering', 'Strike', 9), ('Engineering', 'Battle', 8),
  ('Medical', 'Training', 0), ('Medical', 'Shore Duty', 0), ('Medical', 'Patrol', 12), ('Medical', 'Siege', 11), ('Medical', 'Strike', 10), ('Medical', 'Battle', 9),
  ('Technical', 'Training', 0), ('Technical', 'Shore Duty', 0), ('Technical', 'Patrol', 12), ('Technical', 'Siege', 10), ('Technical', 'Strike', 9), ('Technical', 'Battle', 8);

-- Promotion: 2D plus modifiers and the term's decorations must reach the
-- number. 0: no promotion; negative: enlisted only, by its absolute value.
INSERT INTO PromotionRoll (Branch, Assignment, Roll) VALUES
  ('Line', 'Training', -9), ('Line', 'Shore Duty', 9), ('Line', 'Patrol', 8), ('Line', 'Siege', 8), ('Line', 'Strike', 7), ('Line', 'Battle', 6),
  ('Flight', 'Training', 0), ('Flight', 'Shore Duty', 10), ('Flight', 'Patrol', 8), ('Flight', 'Siege', 8), ('Flight', 'Strike', 7), ('Flight', 'Battle', 6),
  ('Gunnery', 'Training', -9), ('Gunnery', 'Shore Duty', 9), ('Gunnery', 'Patrol', 9), ('Gunnery', 'Siege', 8), ('Gunnery', 'Strike', 7), ('Gunnery', 'Battle', 6),
  ('Engineering', 'Training', -8), ('Engineering', 'Shore Duty', 9), ('Engineering', 'Patrol', 8), ('Engineering', 'Siege', 8), ('Engineering', 'Strike', 8), ('Engineering', 'Battle', 7),
  ('Medical', 'Training', -8), ('Medical', 'Shore Duty', 8), ('Medical', 'Patrol', 9), ('Medical', 'Siege', 9), ('Medical', 'Strike', 8), ('Medical', 'Battle', 7),
  ('Technical', 'Training', -8), ('Technical', 'Shore Duty', 8), ('Technical', 'Patrol', 9), ('Technical', 'Siege', 9), ('Technical', 'Strike', 8), ('Technical', 'Battle', 7);

-- Skill: 2D must reach the number for a roll on the skill tables.
INSERT INTO SkillsRoll (Branch, Assignment, Roll) VALUES
  ('Line', 'Training', 5), ('Line', 'Shore Duty', 6), ('Line', 'Patrol', 6), ('Line', 'Siege', 7), ('Line', 'Strike', 6), ('Line', 'Battle', 5),
  ('Flight', 'Training', 5), ('Flight', 'Shore Duty', 7), ('Flight', 'Patrol', 6), ('Flight', 'Siege', 7), ('Flight', 'Strike', 6), ('Flight', 'Battle', 5),
  ('Gunnery', 'Training', 6), ('Gunnery', 'Shore Duty', 7), ('Gunnery', 'Patrol', 6), ('Gunnery', 'Siege', 7), ('Gunnery', 'Strike', 5), ('Gunnery', 'Battle', 5),
  ('Engineering', 'Training', 5), ('Engineering', 'Shore Duty', 6), ('Engineering', 'Patrol', 6), ('Engineering', 'Siege', 7), ('Engineering', 'Strike', 7), ('Engineering', 'Battle', 6),
  ('Medical', 'Training', 5), ('Medical', 'Shore Duty', 5), ('Medical', 'Patrol', 7), ('Medical', 'Siege', 7), ('Medical', 'Strike', 7), ('Medical', 'Battle', 6),
  ('Technical', 'Training', 5), ('Technical', 'Shore Duty', 5), ('Technical', 'Patrol', 6), ('Technical', 'Siege', 7), ('Technical', 'Strike', 7), ('Technical', 'Battle', 6);

-- Special duties by column and roll.
INSERT INTO SpecialDuty (Rank, Roll, Duty) VALUES
  ('Enlisted', 1, 'Cross Training'), ('Enlisted', 2, 'Specialist School'), ('Enlisted', 3, 'Recruiting Duty'),
  ('Enlisted', 4, 'Gunnery School'), ('Enlisted', 5, 'Engineering School'), ('Enlisted', 6, 'OCS'),
  ('Enlisted', 7, 'OCS'),
  ('Officer', 1, 'Cross Training'), ('Officer', 2, 'Intelligence School'), ('Officer', 3, 'Recruiting Duty'),
  ('Officer', 4, 'Naval Attache/Aide'), ('Officer', 5, 'Command College'), ('Officer', 6, 'Staff College'),
  ('Officer', 7, 'Staff College');

-- Mustering-out benefits. "Blade" opens the weapon dialog; an entry that
-- begins with "+" raises a characteristic.
INSERT INTO Material (Roll, Benefit) VALUES
  (1, 'Low Passage'), (2, '+1 Int'), (3, '+2 Edu'), (4, 'Blade'), (5, 'Rovanteers'' Aid'),
  (6, 'High Passage'), (7, '+2 Social');

INSERT INTO Cash (Roll, Benefit) VALUES
  (1, 1000), (2, 5000), (3, 5000), (4, 10000), (5, 20000), (6, 50000), (7, 50000);
