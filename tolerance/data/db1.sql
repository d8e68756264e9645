-- Tolerance database of quillon, turned into db1.mdb (an SQLite 3 file) at build time.
--
-- Values in micrometres from DIN 5480-1:2006, Table 7:
--   "公差代号"  the deviation A of each deviation series (signed). Shaft series (lower case) are
--              upper deviations of the tooth thickness, hub series (F1, G1, h, J1, K1, M1) lower
--              deviations of the space width; h is the zero line of both. Column "i" carries the
--              values the standard gives for its series j.
--   "T值"       the total tolerance TG = T + lambda of each tolerance grade "5" ... "12".
--   "TE值"      the actual tolerance Tact (tooth thickness / space width) of each grade.
--
-- The standard tabulates by module range and reference diameter; here its values are laid out so
-- that row n (0 = first row inserted) serves these pairs of module m (mm) and lookup diameter D
-- (da of a shaft, df of a hub, rounded to whole mm; each boundary belongs to the lower class):
--   row 0: 0.5-1.5 with D <= 12
--   row 1: 0.5-1.5 with 12 < D <= 25;   1.75-4 with D <= 12
--   row 2: 0.5-1.5 with 25 < D <= 50;   1.75-4 with 12 < D <= 25
--   row 3: 0.5-1.5 with 50 < D <= 100;  1.75-4 with 25 < D <= 50;   5-10 with 12 < D <= 25
--   row 4: 0.5-1.5 with 100 < D <= 200; 1.75-4 with 50 < D <= 100;  5-10 with 25 < D <= 50
--   row 5: 0.5-1.5 with 200 < D <= 400; 1.75-4 with 100 < D <= 200; 5-10 with 50 < D <= 100
--   row 6: 0.5-1.5 with D > 400;        1.75-4 with 200 < D <= 400; 5-10 with 100 < D <= 200
--   row 7:                              1.75-4 with D > 400;        5-10 with 200 < D <= 400
--   row 8:                                                          5-10 with D > 400
--
-- The program reads the rows in the order they are inserted (rowid order) and only rows 0 to 8.
-- The cells are numbers; the program reads them as text, and an empty cell would count as 0.

BEGIN TRANSACTION;

-- deviation A per series, µm
CREATE TABLE "公差代号" (
    "F1" INTEGER,
    "G1" INTEGER,
    "h" INTEGER,
    "J1" INTEGER,
    "K1" INTEGER,
    "M1" INTEGER,
    "v" INTEGER,
    "u" INTEGER,
    "t" INTEGER,
    "s" INTEGER,
    "r" INTEGER,
    "p" INTEGER,
    "n" INTEGER,
    "m" INTEGER,
    "k" INTEGER,
    "i" INTEGER,
    "g" INTEGER,
    "f" INTEGER,
    "e" INTEGER,
    "d" INTEGER,
    "c" INTEGER,
    "b" INTEGER,
    "a" INTEGER
);

--                             F1  G1  h   J1   K1   M1    v    u    t    s    r    p   n   m   k   i    g    f    e    d     c     b     a
INSERT INTO "公差代号" VALUES (16,  8, 0,  -8, -16, -24,  80,  72,  64,  56,  48,  40, 32, 24, 16,  8,  -8, -16, -24, -32,  -48,  -64,  -80);  -- row 0
INSERT INTO "公差代号" VALUES (18,  9, 0,  -9, -18, -27,  90,  81,  72,  63,  54,  45, 36, 27, 18,  9,  -9, -18, -27, -36,  -54,  -72,  -90);  -- row 1
INSERT INTO "公差代号" VALUES (20, 10, 0, -10, -20, -30, 100,  90,  80,  70,  60,  50, 40, 30, 20, 10, -10, -20, -30, -40,  -60,  -80, -100);  -- row 2
INSERT INTO "公差代号" VALUES (22, 11, 0, -11, -22, -33, 110,  99,  88,  77,  66,  55, 44, 33, 22, 11, -11, -22, -33, -44,  -66,  -88, -110);  -- row 3
INSERT INTO "公差代号" VALUES (25, 12, 0, -12, -25, -37, 125, 112, 100,  88,  75,  62, 50, 37, 25, 12, -12, -25, -37, -50,  -75, -100, -125);  -- row 4
INSERT INTO "公差代号" VALUES (28, 14, 0, -14, -28, -42, 140, 126, 112,  98,  84,  70, 56, 42, 28, 14, -14, -28, -42, -56,  -84, -112, -140);  -- row 5
INSERT INTO "公差代号" VALUES (32, 16, 0, -16, -32, -48, 160, 144, 128, 112,  96,  80, 64, 48, 32, 16, -16, -32, -48, -64,  -96, -128, -160);  -- row 6
INSERT INTO "公差代号" VALUES (36, 18, 0, -18, -36, -54, 180, 162, 144, 126, 108,  90, 72, 54, 36, 18, -18, -36, -54, -72, -108, -144, -180);  -- row 7
INSERT INTO "公差代号" VALUES (40, 20, 0, -20, -40, -60, 200, 180, 160, 140, 120, 100, 80, 60, 40, 20, -20, -40, -60, -80, -120, -160, -200);  -- row 8

-- total tolerance TG per grade, µm
CREATE TABLE "T值" (
    "5" INTEGER,
    "6" INTEGER,
    "7" INTEGER,
    "8" INTEGER,
    "9" INTEGER,
    "10" INTEGER,
    "11" INTEGER,
    "12" INTEGER
);

--                         5   6   7   8    9   10   11   12
INSERT INTO "T值" VALUES (12, 18, 25, 36,  50,  71, 100, 140);  -- row 0
INSERT INTO "T值" VALUES (14, 20, 28, 40,  56,  80, 112, 160);  -- row 1
INSERT INTO "T值" VALUES (16, 22, 32, 45,  63,  90, 125, 180);  -- row 2
INSERT INTO "T值" VALUES (18, 25, 36, 50,  71, 100, 140, 200);  -- row 3
INSERT INTO "T值" VALUES (20, 28, 40, 56,  80, 112, 160, 224);  -- row 4
INSERT INTO "T值" VALUES (22, 32, 45, 63,  90, 125, 180, 250);  -- row 5
INSERT INTO "T值" VALUES (25, 36, 50, 71, 100, 140, 200, 280);  -- row 6
INSERT INTO "T值" VALUES (28, 40, 56, 80, 112, 160, 224, 320);  -- row 7
INSERT INTO "T值" VALUES (32, 45, 63, 90, 125, 180, 250, 360);  -- row 8

-- actual tolerance Tact per grade, µm
CREATE TABLE "TE值" (
    "5" INTEGER,
    "6" INTEGER,
    "7" INTEGER,
    "8" INTEGER,
    "9" INTEGER,
    "10" INTEGER,
    "11" INTEGER,
    "12" INTEGER
);

--                          5   6   7   8   9   10   11   12
INSERT INTO "TE值" VALUES ( 8, 11, 16, 22, 32,  45,  63,  90);  -- row 0
INSERT INTO "TE值" VALUES ( 9, 12, 18, 25, 36,  50,  71, 100);  -- row 1
INSERT INTO "TE值" VALUES (10, 14, 20, 28, 40,  56,  80, 112);  -- row 2
INSERT INTO "TE值" VALUES (11, 16, 22, 32, 45,  63,  90, 125);  -- row 3
INSERT INTO "TE值" VALUES (12, 18, 25, 36, 50,  71, 100, 140);  -- row 4
INSERT INTO "TE值" VALUES (14, 20, 28, 40, 56,  80, 112, 160);  -- row 5
INSERT INTO "TE值" VALUES (16, 22, 32, 45, 63,  90, 125, 175);  -- row 6
INSERT INTO "TE值" VALUES (18, 25, 36, 50, 71, 100, 140, 200);  -- row 7
INSERT INTO "TE值" VALUES (20, 28, 40, 56, 80, 112, 160, 225);  -- row 8

COMMIT;
