-- The rule database: the game's tables, read only by the program.

-- Noble titles by Social Standing, from 11 upwards, for a man and a woman.
-- Rows are found by position in Social order.
CREATE TABLE Nobility (Social INTEGER NOT NULL, Male TEXT NOT NULL, Female TEXT NOT NULL);

-- Rank ladders. The title of rank n is the n-th row of its ladder in Rank order.
CREATE TABLE Ranks (Type TEXT NOT NULL, Rank INTEGER NOT NULL, Title TEXT NOT NULL);

-- Every skill a table, school, benefit, dialog or page can give. A specific
-- skill names its generic skill in Special ("Gun Combat", "Gunnery",
-- "Vehicle", "Blade Combat") and is offered by the skill picker when the
-- home tech level lies within TLLow..TLHigh. The members of the two weapon
-- groups name their group ("Handgun", "Laser Weapons") and are never offered
-- on their own. Other skills have an empty Special.
CREATE TABLE Skills (
  Name        TEXT    NOT NULL,
  Special     TEXT    NOT NULL DEFAULT '',
  TLLow       INTEGER NOT NULL DEFAULT 0,
  TLHigh      INTEGER NOT NULL DEFAULT 99,
  Description TEXT    NOT NULL
);

-- The branch skill tables, rows 1 to 8, stored in Roll order: the pages
-- build their captions from stored order.
CREATE TABLE BranchSkills (Branch TEXT NOT NULL, Roll INTEGER NOT NULL, Skill TEXT NOT NULL);

-- The six service skill tables, rows 1 to 10.
CREATE TABLE ServiceSkills (Category TEXT NOT NULL, Roll INTEGER NOT NULL, Skill TEXT NOT NULL);

-- The numbers of the assignment rolls, by branch ("Line" for line and crew)
-- and assignment. Survival: the 2D total must beat it (equal injures).
-- Decoration: 0 for none. Promotion: 0 for none; negative, enlisted only,
-- by its absolute value. Skill: 0 for none.
CREATE TABLE SurvivalRoll   (Branch TEXT NOT NULL, Assignment TEXT NOT NULL, Roll INTEGER NOT NULL);
CREATE TABLE DecorationRoll (Branch TEXT NOT NULL, Assignment TEXT NOT NULL, Roll INTEGER NOT NULL);
CREATE TABLE PromotionRoll  (Branch TEXT NOT NULL, Assignment TEXT NOT NULL, Roll INTEGER NOT NULL);
CREATE TABLE SkillsRoll     (Branch TEXT NOT NULL, Assignment TEXT NOT NULL, Roll INTEGER NOT NULL);

-- The special duty table, by column ("Enlisted" or "Officer") and roll 1 to 7.
CREATE TABLE SpecialDuty (Rank TEXT NOT NULL, Roll INTEGER NOT NULL, Duty TEXT NOT NULL);

-- Mustering-out benefits, rows 1 to 7: material benefits and cash in credits.
CREATE TABLE Material (Roll INTEGER NOT NULL, Benefit TEXT NOT NULL);
CREATE TABLE Cash     (Roll INTEGER NOT NULL, Benefit INTEGER NOT NULL);
