-- Sample rows for a development database: two device types and a production run of each, some
-- devices end-controlled and delivered, some produced but not yet end-controlled, some only planned.
-- No device has an adjustment record yet (AFREGELINGID null).

INSERT INTO OBJECTS (ID, NAME, OLDOBJECTNAME) VALUES (1, 'K761', 'K761 mV/pH/ISE/O2');
INSERT INTO OBJECTS (ID, NAME, OLDOBJECTNAME) VALUES (2, 'K762', 'K762 EC/TDS');

WITH RECURSIVE N (I) AS (SELECT 0 UNION ALL SELECT I + 1 FROM N WHERE I < 39)
INSERT INTO PRODUCTION (ID, SERIALNBR, OBJECTID, PLANWEEK, PLANYEAR, CODE, PLANNINGSDATE, PRODUCTIONDATE,
                        ENDCONTROLEDATE, DELIVERYDATE, INVOICEID, CONTACTID, AFREGELINGID, PLANNINGSNBR,
                        CREATIONDATE, LASTMODIFICATIONDATE, MODIFICATIONUSER)
SELECT 1 + I,
       16001 + I,
       1 + I % 2,
       7 + I / 10,
       2016,
       CASE WHEN I % 3 = 0 THEN 'A' ELSE 'B' END,
       date('2016-02-15', '+' || (I / 10 * 7) || ' days'),
       CASE WHEN I < 30 THEN date('2016-02-22', '+' || (I / 10 * 7) || ' days') END,
       CASE WHEN I < 20 THEN date('2016-02-29', '+' || (I / 10 * 7) || ' days') END,
       CASE WHEN I < 10 THEN date('2016-03-14', '+' || I || ' days') END,
       CASE WHEN I < 10 THEN 5000 + I END,
       100 + I % 4,
       NULL,
       900 + I / 10,
       '2016-01-18',
       '2016-01-18',
       'sample'
FROM N;
