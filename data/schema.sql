-- The tables of DBTessel.db. The build applies this file to the database
-- beside the program: a missing table is created, a missing column is added,
-- and nothing that exists is changed or emptied. The program creates no table.
--
-- Keys the database assigns are INTEGER PRIMARY KEY AUTOINCREMENT, so a key
-- is never handed out twice (saved charts refer to place keys). Names that
-- are looked up or ordered without regard to case carry COLLATE NOCASE.
-- Declared text lengths are the longest text the program's windows take;
-- SQLite keeps them as documentation and does not cut a value.

-- Countries. TimeZoneID lists the country's zones: SNo values of TimeZone
-- joined by "," without blanks, the first the country's usual zone; "" for a
-- country without zones, never null.
CREATE TABLE IF NOT EXISTS Country_Master (
    CountryID   INTEGER PRIMARY KEY AUTOINCREMENT,
    CountryName VARCHAR(25) COLLATE NOCASE NOT NULL,
    TimeZoneID  TEXT NOT NULL DEFAULT ''
);

-- Time zones. TimeDifference is the offset from GMT in decimal hours to two
-- places (5.5 for 5 h 30 min), never negative; TimeZone is "E" (local time =
-- GMT + offset) or "W" (local time = GMT - offset).
CREATE TABLE IF NOT EXISTS TimeZone (
    SNo            INTEGER PRIMARY KEY AUTOINCREMENT,
    Place          VARCHAR(50) COLLATE NOCASE,
    TimeDifference REAL,
    TimeZone       VARCHAR(1)
);

-- Cities with whole degrees and minutes and a hemisphere letter.
CREATE TABLE IF NOT EXISTS City_Master (
    CityID          INTEGER PRIMARY KEY AUTOINCREMENT,
    CityName        TEXT COLLATE NOCASE,
    CountryID       INTEGER REFERENCES Country_Master (CountryID),
    LatitudeDegree  INTEGER,
    Latitude_NS     VARCHAR(1),
    LatitudeMinute  INTEGER,
    LongitudeDegree INTEGER,
    Longitude_EW    VARCHAR(1),
    LongitudeMinute INTEGER
);
-- The cities of one country, in name order, and the duplicate check of a
-- new city's name within its country.
CREATE INDEX IF NOT EXISTS City_Master_Country_Name ON City_Master (CountryID, CityName);

-- Saved charts. ChartName is the person's name, "~" and the birth date
-- ("Sample~5-Jul-1965"); its case-free collation serves the list's order,
-- the duplicate check on saving compares exactly. Country holds the
-- country's CountryID as text; TimeDifference holds the zone's SNo.
CREATE TABLE IF NOT EXISTS ChartSave (
    Sno             INTEGER PRIMARY KEY AUTOINCREMENT,
    ChartName       TEXT COLLATE NOCASE,
    Gender          TEXT,
    Country         TEXT,
    City            TEXT,
    ChartDay        INTEGER,
    ChartMonth      INTEGER,
    ChartYear       INTEGER,
    ChartHour       INTEGER,
    ChartMinute     INTEGER,
    ChartSecond     INTEGER,
    LatitudeDegree  INTEGER,
    Latitude_NS     VARCHAR(1),
    LatitudeMinute  INTEGER,
    LongitudeDegree INTEGER,
    Longitude_EW    VARCHAR(1),
    LongitudeMinute INTEGER,
    TimeDifference  INTEGER
);

-- Couple charts: listed by the saved-chart list, written by nothing.
CREATE TABLE IF NOT EXISTS GChartSave (
    Sno       INTEGER PRIMARY KEY,
    ChartName TEXT COLLATE NOCASE
);

-- The preferences: one row, PreID '1'.
CREATE TABLE IF NOT EXISTS Preference (
    PreID          TEXT PRIMARY KEY,
    Ayanamsa       TEXT,
    Bhava          TEXT,
    DayInYear      REAL,
    ChartStyle     TEXT,
    PreferLanguage TEXT,
    CustomYear     REAL,
    CustomProgress REAL
);

-- The user's own details printed on the report: one row or none. The report
-- reads the columns by position, so their order is fixed and none precedes.
CREATE TABLE IF NOT EXISTS PersonalDetails (
    Name     VARCHAR(50),
    Address  VARCHAR(30),
    Address2 VARCHAR(30),
    City     VARCHAR(30),
    Country  VARCHAR(30),
    Zipcode  VARCHAR(10),
    Phone    VARCHAR(30),
    EMail    VARCHAR(50)
);

-- Bhukthi periods of a chart, appended as texts under the chart's number.
CREATE TABLE IF NOT EXISTS tempBhukthi (
    UserID       TEXT,
    DasaName     TEXT,
    BhukthiName  TEXT,
    BhukthiStart TEXT,
    BhukhiEnd    TEXT,
    BhukthiAge   TEXT
);

-- The 60 years of the samvatsara cycle (read only; filled by its data file).
CREATE TABLE IF NOT EXISTS KaliyugaYearDetails (
    Yearno     INTEGER PRIMARY KEY,
    yearname   TEXT,
    YearVal    REAL,
    DayVal     INTEGER,
    YearRemain REAL
);

-- Degree intervals of a rasi sign mapped to the sign a body takes in a
-- looked-up varga (read only; filled by its data file).
CREATE TABLE IF NOT EXISTS chartsmaster (
    chartname   TEXT,
    RasiHouse   INTEGER,
    startDegree REAL,
    EndDegree   REAL,
    HouseNumber INTEGER
);
CREATE INDEX IF NOT EXISTS chartsmaster_Chart_Rasi ON chartsmaster (chartname, RasiHouse);

-- One row, the source of the report's one-row chart-cell query.
CREATE TABLE IF NOT EXISTS tempdasasandhi (
    RowNo INTEGER PRIMARY KEY
);
