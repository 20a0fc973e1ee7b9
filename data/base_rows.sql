-- Rows that ship with every database.
--
-- The preferences row: written once, then only by the preferences window,
-- so a rebuild never overwrites the user's choices.
INSERT OR IGNORE INTO Preference (PreID, Ayanamsa, Bhava, DayInYear, ChartStyle, PreferLanguage, CustomYear, CustomProgress)
VALUES ('1', 'Lahiri', 'Equal', 365.25, 'South', 'English', 0, 0);

-- The one row of the chart-cell query's source table (read only).
DELETE FROM tempdasasandhi;
INSERT INTO tempdasasandhi (RowNo) VALUES (1);
