-- The rule database: the game's tables, read only by the program.

-- Noble titles by Social Standing, from 11 upwards, for a man and a woman.
-- Rows are found by position in Social order.
CREATE TABLE Nobility (Social INTEGER NOT NULL, Male TEXT NOT NULL, Female TEXT NOT NULL);

-- Rank ladders. The title of rank n is the n-th row of its ladder in Rank order.
CREATE TABLE Ranks (Type TEXT NOT NULL, Rank INTEGER NOT NULL, Title TEXT NOT NULL);
