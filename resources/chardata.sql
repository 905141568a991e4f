-- The character database: the one character being generated.
-- The program only reads rows and changes the Value of rows that exist here;
-- it never adds or removes attribute rows. The list tables start empty.

CREATE TABLE Characteristics (Attribute TEXT NOT NULL, Value INTEGER NOT NULL DEFAULT 0);
CREATE TABLE Booleans        (Attribute TEXT NOT NULL, Value INTEGER NOT NULL DEFAULT 0);
CREATE TABLE Strings         (Attribute TEXT NOT NULL, Value TEXT NOT NULL DEFAULT '');

INSERT INTO Characteristics (Attribute, Value) VALUES
  ('Strength', 0), ('Dexterity', 0), ('Endurance', 0), ('Intelligence', 0),
  ('Education', 0), ('Social', 0), ('Age', 0), ('Term', 0), ('Assignment', 0),
  ('Rank', 0), ('Pension', 0), ('Cash', 0);

-- Booleans are stored as 0 and 1.
INSERT INTO Booleans (Attribute, Value) VALUES
  ('Academy', 0), ('College', 0), ('NOTC', 0), ('Honors', 0), ('Medic', 0),
  ('Flight', 0), ('Officer', 0), ('Retired', 0), ('Pension', 0);

INSERT INTO Strings (Attribute, Value) VALUES
  ('NavyType', ''), ('Branch', '');

-- The character's lists, in the order entries were added (rowid order).
CREATE TABLE Skills             (Skill TEXT NOT NULL, Level INTEGER NOT NULL);
CREATE TABLE Decorations        (Decoration TEXT NOT NULL, Number INTEGER NOT NULL);
CREATE TABLE SpecialAssignments (Assignment TEXT NOT NULL, Number INTEGER NOT NULL);
CREATE TABLE Benefits           (Benefit TEXT NOT NULL, Number INTEGER NOT NULL);
CREATE TABLE CrossTraining      (Branch TEXT NOT NULL);
