-- Noble titles for Social Standing 11 to 15. Beyond 15 there is no title.
INSERT INTO Nobility (Social, Male, Female) VALUES
  (11, 'Knight',  'Dame'),
  (12, 'Baron',   'Baroness'),
  (13, 'Marquis', 'Marchioness'),
  (14, 'Count',   'Countess'),
  (15, 'Duke',    'Duchess');

-- The officer ladder stops at rank 10, the enlisted ladder at rank 9.
-- Medical school graduates skip the titles Ensign and Sublieutenant.
INSERT INTO Ranks (Type, Rank, Title) VALUES
  ('Officer', 1, 'Ensign'),
  ('Officer', 2, 'Sublieutenant'),
  ('Officer', 3, 'Lieutenant'),
  ('Officer', 4, 'Lieutenant Commander'),
  ('Officer', 5, 'Commander'),
  ('Officer', 6, 'Captain'),
  ('Officer', 7, 'Commodore'),
  ('Officer', 8, 'Rear Admiral'),
  ('Officer', 9, 'Vice Admiral'),
  ('Officer', 10, 'Admiral'),
  ('Enlisted', 1, 'Spacehand Recruit'),
  ('Enlisted', 2, 'Spacehand Apprentice'),
  ('Enlisted', 3, 'Able Spacehand'),
  ('Enlisted', 4, 'Petty Officer 3rd Class'),
  ('Enlisted', 5, 'Petty Officer 2nd Class'),
  ('Enlisted', 6, 'Petty Officer 1st Class'),
  ('Enlisted', 7, 'Chief Petty Officer'),
  ('Enlisted', 8, 'Senior Chief Petty Officer'),
  ('Enlisted', 9, 'Master Chief Petty Officer');
