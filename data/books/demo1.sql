-- Demo book: Esimerkkiseura ry, a fictional sports and culture club that
-- keeps its books in calendar years. The current year is 2026, the
-- previous year 2025 lies in the previous-year tables toE/viE so that the
-- statements have comparison figures. Runs on top of yleismalli.sql after
-- the schema upgrade, so the added fields and tables are there.

-- Settings of the association (section KOLVIO). Account settings hold keys:
-- VoittoTaseella = account 2090, LaskettavaTili = account 1910.
INSERT INTO Settings (setID, setSection, setKey, setString) VALUES (1, 'KOLVIO', 'TilikausiAlku', '2026-01-01');
INSERT INTO Settings (setID, setSection, setKey, setString) VALUES (2, 'KOLVIO', 'TilikausiLoppu', '2026-12-31');
INSERT INTO Settings (setID, setSection, setKey, setString) VALUES (3, 'KOLVIO', 'EdTilikausiAlku', '2025-01-01');
INSERT INTO Settings (setID, setSection, setKey, setString) VALUES (4, 'KOLVIO', 'EdTilikausiLoppu', '2025-12-31');
INSERT INTO Settings (setID, setSection, setKey, setString) VALUES (5, 'KOLVIO', 'Kustannuspaikat', '1');
INSERT INTO Settings (setID, setSection, setKey, setString) VALUES (6, 'KOLVIO', 'VoittoTaseella', '25');
INSERT INTO Settings (setID, setSection, setKey, setString) VALUES (7, 'KOLVIO', 'LaskettavaTili', '19');
INSERT INTO Settings (setID, setSection, setKey, setString) VALUES (8, 'KOLVIO', 'SeuranNimi', 'Esimerkkiseura ry');

-- The balance sheet books the profit of the income statement.
UPDATE ma SET maTulosMaID = 1 WHERE maID = 2;

-- The club has named two of the template's spare accounts after its activities.
UPDATE tl SET tlNimi = 'Liikuntaryhmien kausimaksut', tlKuvaus = 'Viikoittaisten liikuntaryhmien kevät- ja syyskauden maksut' WHERE tlID = 48;
UPDATE tl SET tlNimi = 'Salivuorot', tlKuvaus = 'Liikuntaryhmien salivuorojen vuokrat' WHERE tlID = 86;

-- Cost centres.
INSERT INTO kp (kpID, kpNumero, kpNimi, kpKuvaus) VALUES (1, 100, 'Hallinto', 'Hallitus, kokoukset, toimisto ja yleiskulut');
INSERT INTO kp (kpID, kpNumero, kpNimi, kpKuvaus) VALUES (2, 200, 'Jäsentoiminta', 'Jäsenmaksut, jäsenlehti ja jäsenten muistaminen');
INSERT INTO kp (kpID, kpNumero, kpNimi, kpKuvaus) VALUES (3, 300, 'Liikuntaryhmät', 'Viikoittaiset liikuntaryhmät ja salivuorot');
INSERT INTO kp (kpID, kpNumero, kpNimi, kpKuvaus) VALUES (4, 400, 'Kurssit ja koulutus', 'Kevään ja syksyn kurssit sekä ohjaajakoulutus');
INSERT INTO kp (kpID, kpNumero, kpNimi, kpKuvaus) VALUES (5, 500, 'Kesäleiri', 'Kesäkuun perheleiri');
INSERT INTO kp (kpID, kpNumero, kpNimi, kpKuvaus) VALUES (6, 600, 'Tapahtumat ja varainhankinta', 'Kevättapahtuma, syysjuhla, joulumyyjäiset ja tuotemyynti');

-- Financial year 2025 (previous year): opening voucher 0 from the balance
-- sheet of 31.12.2024, the year's vouchers and the closing vouchers.
-- voucher 0, 1.1.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (1, 0, #1/1/2025#, 'Tilinavausviennit', True, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (1, 1, 5, 0, 'D', 3400.00, 'Tilinavausviennit', True, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (2, 1, 10, 0, 'D', 345.00, 'Tilinavausviennit', True, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (3, 1, 11, 0, 'D', 240.00, 'Tilinavausviennit', True, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (4, 1, 18, 0, 'D', 120.00, 'Tilinavausviennit', True, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (5, 1, 19, 0, 'D', 9214.65, 'Tilinavausviennit', True, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (6, 1, 20, 0, 'D', 14000.00, 'Tilinavausviennit', True, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (7, 1, 23, 0, 'K', 5000.00, 'Tilinavausviennit', True, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (8, 1, 24, 0, 'K', 17427.33, 'Tilinavausviennit', True, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (9, 1, 25, 0, 'K', 1873.40, 'Tilinavausviennit', True, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (10, 1, 33, 0, 'K', 395.00, 'Tilinavausviennit', True, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (11, 1, 34, 0, 'K', 255.60, 'Tilinavausviennit', True, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (12, 1, 35, 0, 'K', 16.47, 'Tilinavausviennit', True, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (13, 1, 36, 0, 'K', 1045.41, 'Tilinavausviennit', True, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (14, 1, 37, 0, 'K', 46.44, 'Tilinavausviennit', True, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (15, 1, 40, 0, 'K', 240.00, 'Tilinavausviennit', True, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (16, 1, 41, 0, 'K', 1020.00, 'Tilinavausviennit', True, False, False);
-- voucher 1, 2.1.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (2, 1, #1/2/2025#, 'Kerhohuoneen vuokra 1-3/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (17, 2, 64, 1, 'D', 1410.00, 'Kerhohuoneen vuokra 1-3/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (18, 2, 19, 0, 'K', 1410.00, 'Kerhohuoneen vuokra 1-3/2025', False, False, False);
-- voucher 2, 2.1.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (3, 2, #1/2/2025#, 'Edellisen tilikauden lomapalkkajaksotuksen purku', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (19, 3, 41, 0, 'D', 1020.00, 'Edellisen tilikauden lomapalkkajaksotuksen purku', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (20, 3, 56, 1, 'K', 1020.00, 'Edellisen tilikauden lomapalkkajaksotuksen purku', False, False, False);
-- voucher 3, 8.1.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (4, 3, #1/8/2025#, 'Edellisen vuoden ostolaskun maksu, salivuorot', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (21, 4, 33, 0, 'D', 395.00, 'Edellisen vuoden ostolaskun maksu, salivuorot', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (22, 4, 19, 0, 'K', 395.00, 'Edellisen vuoden ostolaskun maksu, salivuorot', False, False, False);
-- voucher 4, 9.1.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (5, 4, #1/9/2025#, 'Edellisen vuoden ilmoituslaskun maksu', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (23, 5, 19, 0, 'D', 240.00, 'Edellisen vuoden ilmoituslaskun maksu', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (24, 5, 11, 0, 'K', 240.00, 'Edellisen vuoden ilmoituslaskun maksu', False, False, False);
-- voucher 5, 13.1.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (6, 5, #1/13/2025#, 'Verkkosivut ja jäsenrekisteri 2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (25, 6, 77, 1, 'D', 380.00, 'Verkkosivut ja jäsenrekisteri 2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (26, 6, 19, 0, 'K', 380.00, 'Verkkosivut ja jäsenrekisteri 2025', False, False, False);
-- voucher 6, 13.1.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (7, 6, #1/13/2025#, 'Oma-aloitteiset verot 12/2024', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (27, 7, 34, 0, 'D', 255.60, 'Oma-aloitteiset verot 12/2024', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (28, 7, 35, 0, 'D', 16.47, 'Oma-aloitteiset verot 12/2024', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (29, 7, 19, 0, 'K', 272.07, 'Oma-aloitteiset verot 12/2024', False, False, False);
-- voucher 7, 16.1.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (8, 7, #1/16/2025#, 'Vakuutukset 2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (30, 8, 80, 1, 'D', 395.00, 'Vakuutukset 2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (31, 8, 19, 0, 'K', 395.00, 'Vakuutukset 2025', False, False, False);
-- voucher 8, 20.1.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (9, 8, #1/20/2025#, 'Liikuntaryhmien kevätkauden maksuja, 41 osallistujaa', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (32, 9, 19, 0, 'D', 3280.00, 'Liikuntaryhmien kevätkauden maksuja, 41 osallistujaa', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (33, 9, 48, 3, 'K', 3280.00, 'Liikuntaryhmien kevätkauden maksuja, 41 osallistujaa', False, False, False);
-- voucher 9, 20.1.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (10, 9, #1/20/2025#, 'Työntekijän tapaturmavakuutus 2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (34, 10, 60, 1, 'D', 150.00, 'Työntekijän tapaturmavakuutus 2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (35, 10, 19, 0, 'K', 150.00, 'Työntekijän tapaturmavakuutus 2025', False, False, False);
-- voucher 10, 20.1.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (11, 10, #1/20/2025#, 'TyEL-maksu 10-12/2024', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (36, 11, 36, 0, 'D', 1045.41, 'TyEL-maksu 10-12/2024', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (37, 11, 19, 0, 'K', 1045.41, 'TyEL-maksu 10-12/2024', False, False, False);
-- voucher 11, 22.1.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (12, 11, #1/22/2025#, 'Työttömyysvakuutusmaksu 10-12/2024', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (38, 12, 37, 0, 'D', 46.44, 'Työttömyysvakuutusmaksu 10-12/2024', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (39, 12, 19, 0, 'K', 46.44, 'Työttömyysvakuutusmaksu 10-12/2024', False, False, False);
-- voucher 12, 27.1.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (13, 12, #1/27/2025#, 'Palkka 1/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (40, 13, 55, 1, 'D', 1450.00, 'Palkka 1/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (41, 13, 58, 1, 'D', 252.16, 'Palkka 1/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (42, 13, 59, 1, 'D', 16.82, 'Palkka 1/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (43, 13, 60, 1, 'D', 2.90, 'Palkka 1/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (44, 13, 34, 0, 'K', 261.00, 'Palkka 1/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (45, 13, 35, 0, 'K', 16.82, 'Palkka 1/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (46, 13, 36, 0, 'K', 355.84, 'Palkka 1/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (47, 13, 37, 0, 'K', 15.81, 'Palkka 1/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (48, 13, 19, 0, 'K', 1072.41, 'Palkka 1/2025, toiminnanohjaaja', False, False, False);
-- voucher 13, 6.2.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (14, 13, #2/6/2025#, 'Jäsenmaksuja 2025, 61 aikuista ja 23 junioria', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (49, 14, 19, 0, 'D', 2030.00, 'Jäsenmaksuja 2025, 61 aikuista ja 23 junioria', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (50, 14, 90, 2, 'K', 2030.00, 'Jäsenmaksuja 2025, 61 aikuista ja 23 junioria', False, False, False);
-- voucher 14, 10.2.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (15, 14, #2/10/2025#, 'Salivuorot kevätkausi 1-5/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (51, 15, 86, 3, 'D', 2030.00, 'Salivuorot kevätkausi 1-5/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (52, 15, 19, 0, 'K', 2030.00, 'Salivuorot kevätkausi 1-5/2025', False, False, False);
-- voucher 15, 12.2.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (16, 15, #2/12/2025#, 'Liikuntaryhmien kevätkauden maksuja, 47 osallistujaa', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (53, 16, 19, 0, 'D', 3760.00, 'Liikuntaryhmien kevätkauden maksuja, 47 osallistujaa', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (54, 16, 48, 3, 'K', 3760.00, 'Liikuntaryhmien kevätkauden maksuja, 47 osallistujaa', False, False, False);
-- voucher 16, 12.2.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (17, 16, #2/12/2025#, 'Oma-aloitteiset verot 1/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (55, 17, 34, 0, 'D', 261.00, 'Oma-aloitteiset verot 1/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (56, 17, 35, 0, 'D', 16.82, 'Oma-aloitteiset verot 1/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (57, 17, 19, 0, 'K', 277.82, 'Oma-aloitteiset verot 1/2025', False, False, False);
-- voucher 17, 18.2.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (18, 17, #2/18/2025#, 'Liiton jäsenmaksu 2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (58, 18, 79, 2, 'D', 940.00, 'Liiton jäsenmaksu 2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (59, 18, 19, 0, 'K', 940.00, 'Liiton jäsenmaksu 2025', False, False, False);
-- voucher 18, 20.2.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (19, 18, #2/20/2025#, 'Jäsenmaksuja 2025, 66 aikuista ja 26 junioria', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (60, 19, 19, 0, 'D', 2212.00, 'Jäsenmaksuja 2025, 66 aikuista ja 26 junioria', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (61, 19, 90, 2, 'K', 2212.00, 'Jäsenmaksuja 2025, 66 aikuista ja 26 junioria', False, False, False);
-- voucher 19, 25.2.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (20, 19, #2/25/2025#, 'Palkka 2/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (62, 20, 55, 1, 'D', 1450.00, 'Palkka 2/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (63, 20, 58, 1, 'D', 252.16, 'Palkka 2/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (64, 20, 59, 1, 'D', 16.82, 'Palkka 2/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (65, 20, 60, 1, 'D', 2.90, 'Palkka 2/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (66, 20, 34, 0, 'K', 261.00, 'Palkka 2/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (67, 20, 35, 0, 'K', 16.82, 'Palkka 2/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (68, 20, 36, 0, 'K', 355.84, 'Palkka 2/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (69, 20, 37, 0, 'K', 15.81, 'Palkka 2/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (70, 20, 19, 0, 'K', 1072.41, 'Palkka 2/2025, toiminnanohjaaja', False, False, False);
-- voucher 20, 3.3.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (21, 20, #3/3/2025#, 'Kevään tanssikurssin kurssimaksut, 13 osallistujaa', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (71, 21, 19, 0, 'D', 1040.00, 'Kevään tanssikurssin kurssimaksut, 13 osallistujaa', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (72, 21, 44, 4, 'K', 1040.00, 'Kevään tanssikurssin kurssimaksut, 13 osallistujaa', False, False, False);
-- voucher 21, 3.3.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (22, 21, #3/3/2025#, 'Ilmoitukset jäsenlehteen 2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (73, 22, 11, 0, 'D', 420.00, 'Ilmoitukset jäsenlehteen 2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (74, 22, 96, 2, 'K', 420.00, 'Ilmoitukset jäsenlehteen 2025', False, False, False);
-- voucher 22, 10.3.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (23, 22, #3/10/2025#, 'Jäsenmaksuja 2025, 26 aikuista ja 10 junioria', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (75, 23, 19, 0, 'D', 868.00, 'Jäsenmaksuja 2025, 26 aikuista ja 10 junioria', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (76, 23, 90, 2, 'K', 868.00, 'Jäsenmaksuja 2025, 26 aikuista ja 10 junioria', False, False, False);
-- voucher 23, 12.3.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (24, 23, #3/12/2025#, 'Oma-aloitteiset verot 2/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (77, 24, 34, 0, 'D', 261.00, 'Oma-aloitteiset verot 2/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (78, 24, 35, 0, 'D', 16.82, 'Oma-aloitteiset verot 2/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (79, 24, 19, 0, 'K', 277.82, 'Oma-aloitteiset verot 2/2025', False, False, False);
-- voucher 24, 14.3.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (25, 24, #3/14/2025#, 'Jäsenlehden 2025 painatus ja postitus', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (80, 25, 73, 2, 'D', 948.60, 'Jäsenlehden 2025 painatus ja postitus', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (81, 25, 19, 0, 'K', 948.60, 'Jäsenlehden 2025 painatus ja postitus', False, False, False);
-- voucher 25, 17.3.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (26, 25, #3/17/2025#, 'Kannatusjäsenmaksuja 2025, 10 kpl', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (82, 26, 19, 0, 'D', 500.00, 'Kannatusjäsenmaksuja 2025, 10 kpl', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (83, 26, 91, 2, 'K', 500.00, 'Kannatusjäsenmaksuja 2025, 10 kpl', False, False, False);
-- voucher 26, 20.3.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (27, 26, #3/20/2025#, 'Toiminnantarkastuksen palkkio edelliseltä tilikaudelta', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (84, 27, 40, 0, 'D', 240.00, 'Toiminnantarkastuksen palkkio edelliseltä tilikaudelta', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (85, 27, 19, 0, 'K', 240.00, 'Toiminnantarkastuksen palkkio edelliseltä tilikaudelta', False, False, False);
-- voucher 27, 25.3.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (28, 27, #3/25/2025#, 'Palkka 3/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (86, 28, 55, 1, 'D', 1450.00, 'Palkka 3/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (87, 28, 58, 1, 'D', 252.16, 'Palkka 3/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (88, 28, 59, 1, 'D', 16.82, 'Palkka 3/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (89, 28, 60, 1, 'D', 2.90, 'Palkka 3/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (90, 28, 34, 0, 'K', 261.00, 'Palkka 3/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (91, 28, 35, 0, 'K', 16.82, 'Palkka 3/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (92, 28, 36, 0, 'K', 355.84, 'Palkka 3/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (93, 28, 37, 0, 'K', 15.81, 'Palkka 3/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (94, 28, 19, 0, 'K', 1072.41, 'Palkka 3/2025, toiminnanohjaaja', False, False, False);
-- voucher 28, 31.3.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (29, 28, #3/31/2025#, 'Pankin palvelumaksut 1. neljännes 2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (95, 29, 83, 1, 'D', 28.40, 'Pankin palvelumaksut 1. neljännes 2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (96, 29, 19, 0, 'K', 28.40, 'Pankin palvelumaksut 1. neljännes 2025', False, False, False);
-- voucher 29, 2.4.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (30, 29, #4/2/2025#, 'Kerhohuoneen vuokra 4-6/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (97, 30, 64, 1, 'D', 1410.00, 'Kerhohuoneen vuokra 4-6/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (98, 30, 19, 0, 'K', 1410.00, 'Kerhohuoneen vuokra 4-6/2025', False, False, False);
-- voucher 30, 7.4.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (31, 30, #4/7/2025#, 'Jäsenlehden ilmoitusten maksut', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (99, 31, 19, 0, 'D', 420.00, 'Jäsenlehden ilmoitusten maksut', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (100, 31, 11, 0, 'K', 420.00, 'Jäsenlehden ilmoitusten maksut', False, False, False);
-- voucher 31, 14.4.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (32, 31, #4/14/2025#, 'Jäsenmaksuja 2025, 15 aikuista ja 5 junioria', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (101, 32, 19, 0, 'D', 490.00, 'Jäsenmaksuja 2025, 15 aikuista ja 5 junioria', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (102, 32, 90, 2, 'K', 490.00, 'Jäsenmaksuja 2025, 15 aikuista ja 5 junioria', False, False, False);
-- voucher 32, 14.4.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (33, 32, #4/14/2025#, 'Oma-aloitteiset verot 3/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (103, 33, 34, 0, 'D', 261.00, 'Oma-aloitteiset verot 3/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (104, 33, 35, 0, 'D', 16.82, 'Oma-aloitteiset verot 3/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (105, 33, 19, 0, 'K', 277.82, 'Oma-aloitteiset verot 3/2025', False, False, False);
-- voucher 33, 15.4.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (34, 33, #4/15/2025#, 'Kunnan toiminta-avustus 2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (106, 34, 19, 0, 'D', 6200.00, 'Kunnan toiminta-avustus 2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (107, 34, 114, 1, 'K', 6200.00, 'Kunnan toiminta-avustus 2025', False, False, False);
-- voucher 34, 21.4.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (35, 34, #4/21/2025#, 'TyEL-maksu 1-3/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (108, 35, 36, 0, 'D', 1067.52, 'TyEL-maksu 1-3/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (109, 35, 19, 0, 'K', 1067.52, 'TyEL-maksu 1-3/2025', False, False, False);
-- voucher 35, 22.4.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (36, 35, #4/22/2025#, 'Työttömyysvakuutusmaksu 1-3/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (110, 36, 37, 0, 'D', 47.43, 'Työttömyysvakuutusmaksu 1-3/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (111, 36, 19, 0, 'K', 47.43, 'Työttömyysvakuutusmaksu 1-3/2025', False, False, False);
-- voucher 36, 24.4.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (37, 36, #4/24/2025#, 'Kevätkokouksen kahvitarjoilu', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (112, 37, 66, 1, 'D', 138.50, 'Kevätkokouksen kahvitarjoilu', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (113, 37, 19, 0, 'K', 138.50, 'Kevätkokouksen kahvitarjoilu', False, False, False);
-- voucher 37, 25.4.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (38, 37, #4/25/2025#, 'Palkka 4/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (114, 38, 55, 1, 'D', 1450.00, 'Palkka 4/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (115, 38, 58, 1, 'D', 252.16, 'Palkka 4/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (116, 38, 59, 1, 'D', 16.82, 'Palkka 4/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (117, 38, 60, 1, 'D', 2.90, 'Palkka 4/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (118, 38, 34, 0, 'K', 261.00, 'Palkka 4/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (119, 38, 35, 0, 'K', 16.82, 'Palkka 4/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (120, 38, 36, 0, 'K', 355.84, 'Palkka 4/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (121, 38, 37, 0, 'K', 15.81, 'Palkka 4/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (122, 38, 19, 0, 'K', 1072.41, 'Palkka 4/2025, toiminnanohjaaja', False, False, False);
-- voucher 38, 25.4.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (39, 38, #4/25/2025#, 'Kesäleirin leirimaksuja, 19 leiriläistä', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (123, 39, 19, 0, 'D', 3230.00, 'Kesäleirin leirimaksuja, 19 leiriläistä', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (124, 39, 45, 5, 'K', 3230.00, 'Kesäleirin leirimaksuja, 19 leiriläistä', False, False, False);
-- voucher 39, 28.4.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (40, 39, #4/28/2025#, 'Tilikauden 2024 ylijäämän siirto edellisten tilikausien ylijäämään (kevätkokous)', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (125, 40, 25, 0, 'D', 1873.40, 'Tilikauden 2024 ylijäämän siirto edellisten tilikausien ylijäämään (kevätkokous)', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (126, 40, 24, 0, 'K', 1873.40, 'Tilikauden 2024 ylijäämän siirto edellisten tilikausien ylijäämään (kevätkokous)', False, False, False);
-- voucher 40, 30.4.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (41, 40, #4/30/2025#, 'Kouluttajapalkkiot, kevään tanssikurssi', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (127, 41, 57, 4, 'D', 680.00, 'Kouluttajapalkkiot, kevään tanssikurssi', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (128, 41, 59, 4, 'D', 7.89, 'Kouluttajapalkkiot, kevään tanssikurssi', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (129, 41, 34, 0, 'K', 170.00, 'Kouluttajapalkkiot, kevään tanssikurssi', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (130, 41, 35, 0, 'K', 7.89, 'Kouluttajapalkkiot, kevään tanssikurssi', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (131, 41, 19, 0, 'K', 510.00, 'Kouluttajapalkkiot, kevään tanssikurssi', False, False, False);
-- voucher 41, 12.5.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (42, 41, #5/12/2025#, 'Oma-aloitteiset verot 4/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (132, 42, 34, 0, 'D', 431.00, 'Oma-aloitteiset verot 4/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (133, 42, 35, 0, 'D', 24.71, 'Oma-aloitteiset verot 4/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (134, 42, 19, 0, 'K', 455.71, 'Oma-aloitteiset verot 4/2025', False, False, False);
-- voucher 42, 14.5.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (43, 42, #5/14/2025#, 'Kevättapahtuman äänentoisto ja tarjoilut', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (135, 43, 72, 6, 'D', 598.20, 'Kevättapahtuman äänentoisto ja tarjoilut', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (136, 43, 19, 0, 'K', 598.20, 'Kevättapahtuman äänentoisto ja tarjoilut', False, False, False);
-- voucher 43, 17.5.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (44, 43, #5/17/2025#, 'Kevättapahtuman pääsymaksut, käteinen', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (137, 44, 18, 0, 'D', 1085.00, 'Kevättapahtuman pääsymaksut, käteinen', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (138, 44, 46, 6, 'K', 1085.00, 'Kevättapahtuman pääsymaksut, käteinen', False, False, False);
-- voucher 44, 19.5.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (45, 44, #5/19/2025#, 'Kevättapahtuman käteisvarat pankkiin', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (139, 45, 19, 0, 'D', 1085.00, 'Kevättapahtuman käteisvarat pankkiin', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (140, 45, 18, 0, 'K', 1085.00, 'Kevättapahtuman käteisvarat pankkiin', False, False, False);
-- voucher 45, 19.5.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (46, 45, #5/19/2025#, 'Seurapaitojen myynti, 12 kpl', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (141, 46, 19, 0, 'D', 240.00, 'Seurapaitojen myynti, 12 kpl', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (142, 46, 94, 6, 'K', 240.00, 'Seurapaitojen myynti, 12 kpl', False, False, False);
-- voucher 46, 23.5.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (47, 46, #5/23/2025#, 'Kesäleirin leirimaksuja, 18 leiriläistä', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (143, 47, 19, 0, 'D', 3060.00, 'Kesäleirin leirimaksuja, 18 leiriläistä', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (144, 47, 45, 5, 'K', 3060.00, 'Kesäleirin leirimaksuja, 18 leiriläistä', False, False, False);
-- voucher 47, 26.5.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (48, 47, #5/26/2025#, 'Palkka 5/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (145, 48, 55, 1, 'D', 1450.00, 'Palkka 5/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (146, 48, 58, 1, 'D', 252.16, 'Palkka 5/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (147, 48, 59, 1, 'D', 16.82, 'Palkka 5/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (148, 48, 60, 1, 'D', 2.90, 'Palkka 5/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (149, 48, 34, 0, 'K', 261.00, 'Palkka 5/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (150, 48, 35, 0, 'K', 16.82, 'Palkka 5/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (151, 48, 36, 0, 'K', 355.84, 'Palkka 5/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (152, 48, 37, 0, 'K', 15.81, 'Palkka 5/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (153, 48, 19, 0, 'K', 1072.41, 'Palkka 5/2025, toiminnanohjaaja', False, False, False);
-- voucher 48, 2.6.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (49, 48, #6/2/2025#, 'Kunnan kohdeavustus, kesäleiri', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (154, 49, 19, 0, 'D', 1100.00, 'Kunnan kohdeavustus, kesäleiri', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (155, 49, 51, 5, 'K', 1100.00, 'Kunnan kohdeavustus, kesäleiri', False, False, False);
-- voucher 49, 9.6.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (50, 49, #6/9/2025#, 'Lahjoitus kesäleirille', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (156, 50, 19, 0, 'D', 1000.00, 'Lahjoitus kesäleirille', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (157, 50, 92, 5, 'K', 1000.00, 'Lahjoitus kesäleirille', False, False, False);
-- voucher 50, 12.6.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (51, 50, #6/12/2025#, 'Oma-aloitteiset verot 5/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (158, 51, 34, 0, 'D', 261.00, 'Oma-aloitteiset verot 5/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (159, 51, 35, 0, 'D', 16.82, 'Oma-aloitteiset verot 5/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (160, 51, 19, 0, 'K', 277.82, 'Oma-aloitteiset verot 5/2025', False, False, False);
-- voucher 51, 19.6.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (52, 51, #6/19/2025#, 'Leirikeskuksen vuokra ja ruokailut, kesäleiri', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (161, 52, 70, 5, 'D', 4615.00, 'Leirikeskuksen vuokra ja ruokailut, kesäleiri', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (162, 52, 19, 0, 'K', 4615.00, 'Leirikeskuksen vuokra ja ruokailut, kesäleiri', False, False, False);
-- voucher 52, 23.6.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (53, 52, #6/23/2025#, 'Kesäleirin bussikuljetus', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (163, 53, 67, 5, 'D', 780.00, 'Kesäleirin bussikuljetus', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (164, 53, 19, 0, 'K', 780.00, 'Kesäleirin bussikuljetus', False, False, False);
-- voucher 53, 25.6.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (54, 53, #6/25/2025#, 'Palkka 6/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (165, 54, 55, 1, 'D', 1450.00, 'Palkka 6/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (166, 54, 58, 1, 'D', 252.16, 'Palkka 6/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (167, 54, 59, 1, 'D', 16.82, 'Palkka 6/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (168, 54, 60, 1, 'D', 2.90, 'Palkka 6/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (169, 54, 34, 0, 'K', 261.00, 'Palkka 6/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (170, 54, 35, 0, 'K', 16.82, 'Palkka 6/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (171, 54, 36, 0, 'K', 355.84, 'Palkka 6/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (172, 54, 37, 0, 'K', 15.81, 'Palkka 6/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (173, 54, 19, 0, 'K', 1072.41, 'Palkka 6/2025, toiminnanohjaaja', False, False, False);
-- voucher 54, 30.6.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (55, 54, #6/30/2025#, 'Pankin palvelumaksut 2. neljännes 2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (174, 55, 83, 1, 'D', 28.40, 'Pankin palvelumaksut 2. neljännes 2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (175, 55, 19, 0, 'K', 28.40, 'Pankin palvelumaksut 2. neljännes 2025', False, False, False);
-- voucher 55, 30.6.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (56, 55, #6/30/2025#, 'Kilometrikorvaukset, kevät 2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (176, 56, 68, 1, 'D', 164.40, 'Kilometrikorvaukset, kevät 2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (177, 56, 19, 0, 'K', 164.40, 'Kilometrikorvaukset, kevät 2025', False, False, False);
-- voucher 56, 2.7.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (57, 56, #7/2/2025#, 'Kerhohuoneen vuokra 7-9/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (178, 57, 64, 1, 'D', 1410.00, 'Kerhohuoneen vuokra 7-9/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (179, 57, 19, 0, 'K', 1410.00, 'Kerhohuoneen vuokra 7-9/2025', False, False, False);
-- voucher 57, 14.7.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (58, 57, #7/14/2025#, 'Oma-aloitteiset verot 6/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (180, 58, 34, 0, 'D', 261.00, 'Oma-aloitteiset verot 6/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (181, 58, 35, 0, 'D', 16.82, 'Oma-aloitteiset verot 6/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (182, 58, 19, 0, 'K', 277.82, 'Oma-aloitteiset verot 6/2025', False, False, False);
-- voucher 58, 21.7.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (59, 58, #7/21/2025#, 'TyEL-maksu 4-6/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (183, 59, 36, 0, 'D', 1067.52, 'TyEL-maksu 4-6/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (184, 59, 19, 0, 'K', 1067.52, 'TyEL-maksu 4-6/2025', False, False, False);
-- voucher 59, 22.7.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (60, 59, #7/22/2025#, 'Työttömyysvakuutusmaksu 4-6/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (185, 60, 37, 0, 'D', 47.43, 'Työttömyysvakuutusmaksu 4-6/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (186, 60, 19, 0, 'K', 47.43, 'Työttömyysvakuutusmaksu 4-6/2025', False, False, False);
-- voucher 60, 25.7.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (61, 60, #7/25/2025#, 'Palkka 7/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (187, 61, 55, 1, 'D', 1450.00, 'Palkka 7/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (188, 61, 58, 1, 'D', 252.16, 'Palkka 7/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (189, 61, 59, 1, 'D', 16.82, 'Palkka 7/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (190, 61, 60, 1, 'D', 2.90, 'Palkka 7/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (191, 61, 34, 0, 'K', 261.00, 'Palkka 7/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (192, 61, 35, 0, 'K', 16.82, 'Palkka 7/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (193, 61, 36, 0, 'K', 355.84, 'Palkka 7/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (194, 61, 37, 0, 'K', 15.81, 'Palkka 7/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (195, 61, 19, 0, 'K', 1072.41, 'Palkka 7/2025, toiminnanohjaaja', False, False, False);
-- voucher 61, 12.8.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (62, 61, #8/12/2025#, 'Oma-aloitteiset verot 7/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (196, 62, 34, 0, 'D', 261.00, 'Oma-aloitteiset verot 7/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (197, 62, 35, 0, 'D', 16.82, 'Oma-aloitteiset verot 7/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (198, 62, 19, 0, 'K', 277.82, 'Oma-aloitteiset verot 7/2025', False, False, False);
-- voucher 62, 25.8.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (63, 62, #8/25/2025#, 'Palkka 8/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (199, 63, 55, 1, 'D', 1450.00, 'Palkka 8/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (200, 63, 58, 1, 'D', 252.16, 'Palkka 8/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (201, 63, 59, 1, 'D', 16.82, 'Palkka 8/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (202, 63, 60, 1, 'D', 2.90, 'Palkka 8/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (203, 63, 34, 0, 'K', 261.00, 'Palkka 8/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (204, 63, 35, 0, 'K', 16.82, 'Palkka 8/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (205, 63, 36, 0, 'K', 355.84, 'Palkka 8/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (206, 63, 37, 0, 'K', 15.81, 'Palkka 8/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (207, 63, 19, 0, 'K', 1072.41, 'Palkka 8/2025, toiminnanohjaaja', False, False, False);
-- voucher 63, 28.8.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (64, 63, #8/28/2025#, 'Toimistotarvikkeet', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (208, 64, 74, 1, 'D', 124.60, 'Toimistotarvikkeet', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (209, 64, 19, 0, 'K', 124.60, 'Toimistotarvikkeet', False, False, False);
-- voucher 64, 5.9.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (65, 64, #9/5/2025#, 'Säätiön avustus nuorten ohjaajakoulutukseen', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (210, 65, 19, 0, 'D', 1500.00, 'Säätiön avustus nuorten ohjaajakoulutukseen', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (211, 65, 53, 4, 'K', 1500.00, 'Säätiön avustus nuorten ohjaajakoulutukseen', False, False, False);
-- voucher 65, 12.9.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (66, 65, #9/12/2025#, 'Liikuntaryhmien syyskauden maksuja, 41 osallistujaa', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (212, 66, 19, 0, 'D', 3485.00, 'Liikuntaryhmien syyskauden maksuja, 41 osallistujaa', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (213, 66, 48, 3, 'K', 3485.00, 'Liikuntaryhmien syyskauden maksuja, 41 osallistujaa', False, False, False);
-- voucher 66, 12.9.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (67, 66, #9/12/2025#, 'Oma-aloitteiset verot 8/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (214, 67, 34, 0, 'D', 261.00, 'Oma-aloitteiset verot 8/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (215, 67, 35, 0, 'D', 16.82, 'Oma-aloitteiset verot 8/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (216, 67, 19, 0, 'K', 277.82, 'Oma-aloitteiset verot 8/2025', False, False, False);
-- voucher 67, 22.9.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (68, 67, #9/22/2025#, 'Syksyn jumppakurssin kurssimaksut, 15 osallistujaa', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (217, 68, 19, 0, 'D', 1275.00, 'Syksyn jumppakurssin kurssimaksut, 15 osallistujaa', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (218, 68, 44, 4, 'K', 1275.00, 'Syksyn jumppakurssin kurssimaksut, 15 osallistujaa', False, False, False);
-- voucher 68, 25.9.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (69, 68, #9/25/2025#, 'Palkka 9/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (219, 69, 55, 1, 'D', 1450.00, 'Palkka 9/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (220, 69, 58, 1, 'D', 252.16, 'Palkka 9/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (221, 69, 59, 1, 'D', 16.82, 'Palkka 9/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (222, 69, 60, 1, 'D', 2.90, 'Palkka 9/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (223, 69, 34, 0, 'K', 261.00, 'Palkka 9/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (224, 69, 35, 0, 'K', 16.82, 'Palkka 9/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (225, 69, 36, 0, 'K', 355.84, 'Palkka 9/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (226, 69, 37, 0, 'K', 15.81, 'Palkka 9/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (227, 69, 19, 0, 'K', 1072.41, 'Palkka 9/2025, toiminnanohjaaja', False, False, False);
-- voucher 69, 30.9.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (70, 69, #9/30/2025#, 'Pankin palvelumaksut 3. neljännes 2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (228, 70, 83, 1, 'D', 31.20, 'Pankin palvelumaksut 3. neljännes 2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (229, 70, 19, 0, 'K', 31.20, 'Pankin palvelumaksut 3. neljännes 2025', False, False, False);
-- voucher 70, 2.10.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (71, 70, #10/2/2025#, 'Kerhohuoneen vuokra 10-12/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (230, 71, 64, 1, 'D', 1410.00, 'Kerhohuoneen vuokra 10-12/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (231, 71, 19, 0, 'K', 1410.00, 'Kerhohuoneen vuokra 10-12/2025', False, False, False);
-- voucher 71, 3.10.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (72, 71, #10/3/2025#, 'Liikuntaryhmien syyskauden maksuja, 51 osallistujaa', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (232, 72, 19, 0, 'D', 4335.00, 'Liikuntaryhmien syyskauden maksuja, 51 osallistujaa', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (233, 72, 48, 3, 'K', 4335.00, 'Liikuntaryhmien syyskauden maksuja, 51 osallistujaa', False, False, False);
-- voucher 72, 9.10.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (73, 72, #10/9/2025#, 'Salivuorot syyskausi 9-11/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (234, 73, 86, 3, 'D', 1230.00, 'Salivuorot syyskausi 9-11/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (235, 73, 19, 0, 'K', 1230.00, 'Salivuorot syyskausi 9-11/2025', False, False, False);
-- voucher 73, 10.10.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (74, 73, #10/10/2025#, 'Nuorten ohjaajakoulutus, osallistumismaksut', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (236, 74, 69, 4, 'D', 640.00, 'Nuorten ohjaajakoulutus, osallistumismaksut', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (237, 74, 19, 0, 'K', 640.00, 'Nuorten ohjaajakoulutus, osallistumismaksut', False, False, False);
-- voucher 74, 13.10.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (75, 74, #10/13/2025#, 'Oma-aloitteiset verot 9/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (238, 75, 34, 0, 'D', 261.00, 'Oma-aloitteiset verot 9/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (239, 75, 35, 0, 'D', 16.82, 'Oma-aloitteiset verot 9/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (240, 75, 19, 0, 'K', 277.82, 'Oma-aloitteiset verot 9/2025', False, False, False);
-- voucher 75, 20.10.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (76, 75, #10/20/2025#, 'TyEL-maksu 7-9/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (241, 76, 36, 0, 'D', 1067.52, 'TyEL-maksu 7-9/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (242, 76, 19, 0, 'K', 1067.52, 'TyEL-maksu 7-9/2025', False, False, False);
-- voucher 76, 22.10.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (77, 76, #10/22/2025#, 'Työttömyysvakuutusmaksu 7-9/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (243, 77, 37, 0, 'D', 47.43, 'Työttömyysvakuutusmaksu 7-9/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (244, 77, 19, 0, 'K', 47.43, 'Työttömyysvakuutusmaksu 7-9/2025', False, False, False);
-- voucher 77, 27.10.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (78, 77, #10/27/2025#, 'Palkka 10/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (245, 78, 55, 1, 'D', 1450.00, 'Palkka 10/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (246, 78, 58, 1, 'D', 252.16, 'Palkka 10/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (247, 78, 59, 1, 'D', 16.82, 'Palkka 10/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (248, 78, 60, 1, 'D', 2.90, 'Palkka 10/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (249, 78, 34, 0, 'K', 261.00, 'Palkka 10/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (250, 78, 35, 0, 'K', 16.82, 'Palkka 10/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (251, 78, 36, 0, 'K', 355.84, 'Palkka 10/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (252, 78, 37, 0, 'K', 15.81, 'Palkka 10/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (253, 78, 19, 0, 'K', 1072.41, 'Palkka 10/2025, toiminnanohjaaja', False, False, False);
-- voucher 78, 12.11.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (79, 78, #11/12/2025#, 'Oma-aloitteiset verot 10/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (254, 79, 34, 0, 'D', 261.00, 'Oma-aloitteiset verot 10/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (255, 79, 35, 0, 'D', 16.82, 'Oma-aloitteiset verot 10/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (256, 79, 19, 0, 'K', 277.82, 'Oma-aloitteiset verot 10/2025', False, False, False);
-- voucher 79, 17.11.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (80, 79, #11/17/2025#, 'Ilmoitus jäsenlehteen 2/2025, urheiluliike', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (257, 80, 11, 0, 'D', 240.00, 'Ilmoitus jäsenlehteen 2/2025, urheiluliike', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (258, 80, 96, 2, 'K', 240.00, 'Ilmoitus jäsenlehteen 2/2025, urheiluliike', False, False, False);
-- voucher 80, 20.11.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (81, 80, #11/20/2025#, 'Syyskokouksen kahvitarjoilu', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (259, 81, 66, 1, 'D', 151.40, 'Syyskokouksen kahvitarjoilu', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (260, 81, 19, 0, 'K', 151.40, 'Syyskokouksen kahvitarjoilu', False, False, False);
-- voucher 81, 25.11.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (82, 81, #11/25/2025#, 'Palkka 11/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (261, 82, 55, 1, 'D', 1450.00, 'Palkka 11/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (262, 82, 58, 1, 'D', 252.16, 'Palkka 11/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (263, 82, 59, 1, 'D', 16.82, 'Palkka 11/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (264, 82, 60, 1, 'D', 2.90, 'Palkka 11/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (265, 82, 34, 0, 'K', 261.00, 'Palkka 11/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (266, 82, 35, 0, 'K', 16.82, 'Palkka 11/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (267, 82, 36, 0, 'K', 355.84, 'Palkka 11/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (268, 82, 37, 0, 'K', 15.81, 'Palkka 11/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (269, 82, 19, 0, 'K', 1072.41, 'Palkka 11/2025, toiminnanohjaaja', False, False, False);
-- voucher 82, 28.11.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (83, 82, #11/28/2025#, 'Kouluttajapalkkiot, syksyn jumppakurssi', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (270, 83, 57, 4, 'D', 760.00, 'Kouluttajapalkkiot, syksyn jumppakurssi', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (271, 83, 59, 4, 'D', 8.82, 'Kouluttajapalkkiot, syksyn jumppakurssi', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (272, 83, 34, 0, 'K', 190.00, 'Kouluttajapalkkiot, syksyn jumppakurssi', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (273, 83, 35, 0, 'K', 8.82, 'Kouluttajapalkkiot, syksyn jumppakurssi', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (274, 83, 19, 0, 'K', 570.00, 'Kouluttajapalkkiot, syksyn jumppakurssi', False, False, False);
-- voucher 83, 28.11.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (84, 83, #11/28/2025#, 'Kilometrikorvaukset, syksy 2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (275, 84, 68, 1, 'D', 121.20, 'Kilometrikorvaukset, syksy 2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (276, 84, 19, 0, 'K', 121.20, 'Kilometrikorvaukset, syksy 2025', False, False, False);
-- voucher 84, 4.12.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (85, 84, #12/4/2025#, 'Joulumyyjäisten tarvikkeet', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (277, 85, 102, 6, 'D', 231.60, 'Joulumyyjäisten tarvikkeet', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (278, 85, 19, 0, 'K', 231.60, 'Joulumyyjäisten tarvikkeet', False, False, False);
-- voucher 85, 6.12.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (86, 85, #12/6/2025#, 'Joulumyyjäisten myynti ja arpajaiset, käteinen', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (279, 86, 18, 0, 'D', 2412.00, 'Joulumyyjäisten myynti ja arpajaiset, käteinen', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (280, 86, 97, 6, 'K', 2412.00, 'Joulumyyjäisten myynti ja arpajaiset, käteinen', False, False, False);
-- voucher 86, 8.12.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (87, 86, #12/8/2025#, 'Joulumyyjäisten käteisvarat pankkiin', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (281, 87, 19, 0, 'D', 2412.00, 'Joulumyyjäisten käteisvarat pankkiin', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (282, 87, 18, 0, 'K', 2412.00, 'Joulumyyjäisten käteisvarat pankkiin', False, False, False);
-- voucher 87, 8.12.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (88, 87, #12/8/2025#, 'Seurapaitojen myynti, 15 kpl', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (283, 88, 19, 0, 'D', 300.00, 'Seurapaitojen myynti, 15 kpl', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (284, 88, 94, 6, 'K', 300.00, 'Seurapaitojen myynti, 15 kpl', False, False, False);
-- voucher 88, 12.12.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (89, 88, #12/12/2025#, 'Oma-aloitteiset verot 11/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (285, 89, 34, 0, 'D', 451.00, 'Oma-aloitteiset verot 11/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (286, 89, 35, 0, 'D', 25.64, 'Oma-aloitteiset verot 11/2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (287, 89, 19, 0, 'K', 476.64, 'Oma-aloitteiset verot 11/2025', False, False, False);
-- voucher 89, 15.12.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (90, 89, #12/15/2025#, 'Salivuorot 12/2025, lasku maksetaan tammikuussa', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (288, 90, 86, 3, 'D', 395.00, 'Salivuorot 12/2025, lasku maksetaan tammikuussa', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (289, 90, 33, 0, 'K', 395.00, 'Salivuorot 12/2025, lasku maksetaan tammikuussa', False, False, False);
-- voucher 90, 15.12.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (91, 90, #12/15/2025#, 'Junioristipendit, 2 x 200 euroa', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (290, 91, 89, 2, 'D', 400.00, 'Junioristipendit, 2 x 200 euroa', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (291, 91, 19, 0, 'K', 400.00, 'Junioristipendit, 2 x 200 euroa', False, False, False);
-- voucher 91, 22.12.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (92, 91, #12/22/2025#, 'Palkka 12/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (292, 92, 55, 1, 'D', 1450.00, 'Palkka 12/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (293, 92, 58, 1, 'D', 252.16, 'Palkka 12/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (294, 92, 59, 1, 'D', 16.82, 'Palkka 12/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (295, 92, 60, 1, 'D', 2.90, 'Palkka 12/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (296, 92, 34, 0, 'K', 261.00, 'Palkka 12/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (297, 92, 35, 0, 'K', 16.82, 'Palkka 12/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (298, 92, 36, 0, 'K', 355.84, 'Palkka 12/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (299, 92, 37, 0, 'K', 15.81, 'Palkka 12/2025, toiminnanohjaaja', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (300, 92, 19, 0, 'K', 1072.41, 'Palkka 12/2025, toiminnanohjaaja', False, False, False);
-- voucher 92, 30.12.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (93, 92, #12/30/2025#, 'Puhelinliittymä 2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (301, 93, 75, 1, 'D', 183.60, 'Puhelinliittymä 2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (302, 93, 19, 0, 'K', 183.60, 'Puhelinliittymä 2025', False, False, False);
-- voucher 93, 31.12.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (94, 93, #12/31/2025#, 'Pankin palvelumaksut 4. neljännes 2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (303, 94, 83, 1, 'D', 28.40, 'Pankin palvelumaksut 4. neljännes 2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (304, 94, 19, 0, 'K', 28.40, 'Pankin palvelumaksut 4. neljännes 2025', False, False, False);
-- voucher 94, 31.12.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (95, 94, #12/31/2025#, 'Säästötilin korko 2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (305, 95, 20, 0, 'D', 211.80, 'Säästötilin korko 2025', False, False, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (306, 95, 104, 1, 'K', 211.80, 'Säästötilin korko 2025', False, False, False);
-- voucher 95, 31.12.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (96, 95, #12/31/2025#, 'Suunnitelman mukaiset poistot 2025, koneet ja kalusto 25 % menojäännöksestä', False, True, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (307, 96, 63, 1, 'D', 850.00, 'Suunnitelman mukaiset poistot 2025, koneet ja kalusto 25 % menojäännöksestä', False, True, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (308, 96, 5, 0, 'K', 850.00, 'Suunnitelman mukaiset poistot 2025, koneet ja kalusto 25 % menojäännöksestä', False, True, False);
-- voucher 96, 31.12.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (97, 96, #12/31/2025#, 'Lomapalkkajaksotus 31.12.2025', False, True, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (309, 97, 56, 1, 'D', 1086.00, 'Lomapalkkajaksotus 31.12.2025', False, True, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (310, 97, 41, 0, 'K', 1086.00, 'Lomapalkkajaksotus 31.12.2025', False, True, False);
-- voucher 97, 31.12.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (98, 97, #12/31/2025#, 'Toiminnantarkastuksen palkkio 2025, siirtovelka', False, True, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (311, 98, 81, 1, 'D', 250.00, 'Toiminnantarkastuksen palkkio 2025, siirtovelka', False, True, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (312, 98, 40, 0, 'K', 250.00, 'Toiminnantarkastuksen palkkio 2025, siirtovelka', False, True, False);
-- voucher 98, 31.12.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (99, 98, #12/31/2025#, 'Säätiön avustuksen käyttämätön osa seuraavalle tilikaudelle', False, True, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (313, 99, 53, 4, 'D', 600.00, 'Säätiön avustuksen käyttämätön osa seuraavalle tilikaudelle', False, True, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (314, 99, 42, 0, 'K', 600.00, 'Säätiön avustuksen käyttämätön osa seuraavalle tilikaudelle', False, True, False);
-- voucher 99, 31.12.2025
INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) VALUES (100, 99, #12/31/2025#, 'Seurapaitavaraston muutos 2025', False, True, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (315, 100, 100, 6, 'D', 138.00, 'Seurapaitavaraston muutos 2025', False, True, False);
INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti) VALUES (316, 100, 10, 0, 'K', 138.00, 'Seurapaitavaraston muutos 2025', False, True, False);

-- Financial year 2026: voucher 0 carries the closing balances of 2025
-- (the 2025 result standing on account 2090 until the spring meeting
-- moves it), then the year's vouchers and the closing vouchers.
-- voucher 0, 1.1.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (101, 0, #1/1/2026#, 'Tilinavausviennit', True, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (317, 101, 5, 0, 'D', 2550.00, 'Tilinavausviennit', True, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (318, 101, 10, 0, 'D', 207.00, 'Tilinavausviennit', True, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (319, 101, 11, 0, 'D', 240.00, 'Tilinavausviennit', True, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (320, 101, 18, 0, 'D', 120.00, 'Tilinavausviennit', True, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (321, 101, 19, 0, 'D', 10572.73, 'Tilinavausviennit', True, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (322, 101, 20, 0, 'D', 14211.80, 'Tilinavausviennit', True, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (323, 101, 23, 0, 'K', 5000.00, 'Tilinavausviennit', True, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (324, 101, 24, 0, 'K', 19300.73, 'Tilinavausviennit', True, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (325, 101, 25, 0, 'D', 122.97, 'Tilinavausviennit', True, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (326, 101, 33, 0, 'K', 395.00, 'Tilinavausviennit', True, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (327, 101, 34, 0, 'K', 261.00, 'Tilinavausviennit', True, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (328, 101, 35, 0, 'K', 16.82, 'Tilinavausviennit', True, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (329, 101, 36, 0, 'K', 1067.52, 'Tilinavausviennit', True, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (330, 101, 37, 0, 'K', 47.43, 'Tilinavausviennit', True, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (331, 101, 40, 0, 'K', 250.00, 'Tilinavausviennit', True, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (332, 101, 41, 0, 'K', 1086.00, 'Tilinavausviennit', True, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (333, 101, 42, 0, 'K', 600.00, 'Tilinavausviennit', True, False, False);
-- voucher 1, 2.1.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (102, 1, #1/2/2026#, 'Kerhohuoneen vuokra 1/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (334, 102, 64, 1, 'D', 480.00, 'Kerhohuoneen vuokra 1/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (335, 102, 19, 0, 'K', 480.00, 'Kerhohuoneen vuokra 1/2026', False, False, False);
-- voucher 2, 2.1.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (103, 2, #1/2/2026#, 'Edellisen tilikauden lomapalkkajaksotuksen purku', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (336, 103, 41, 0, 'D', 1086.00, 'Edellisen tilikauden lomapalkkajaksotuksen purku', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (337, 103, 56, 1, 'K', 1086.00, 'Edellisen tilikauden lomapalkkajaksotuksen purku', False, False, False);
-- voucher 3, 2.1.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (104, 3, #1/2/2026#, 'Edelliseltä tilikaudelta siirtynyt säätiön avustus', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (338, 104, 42, 0, 'D', 600.00, 'Edelliseltä tilikaudelta siirtynyt säätiön avustus', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (339, 104, 53, 4, 'K', 600.00, 'Edelliseltä tilikaudelta siirtynyt säätiön avustus', False, False, False);
-- voucher 4, 6.1.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (105, 4, #1/6/2026#, 'Salivuorot 1/2026, liikuntaryhmät', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (340, 105, 86, 3, 'D', 460.00, 'Salivuorot 1/2026, liikuntaryhmät', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (341, 105, 19, 0, 'K', 460.00, 'Salivuorot 1/2026, liikuntaryhmät', False, False, False);
-- voucher 5, 8.1.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (106, 5, #1/8/2026#, 'Edellisen vuoden ostolaskun maksu, salivuorot', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (342, 106, 33, 0, 'D', 395.00, 'Edellisen vuoden ostolaskun maksu, salivuorot', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (343, 106, 19, 0, 'K', 395.00, 'Edellisen vuoden ostolaskun maksu, salivuorot', False, False, False);
-- voucher 6, 9.1.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (107, 6, #1/9/2026#, 'Edellisen vuoden ilmoituslaskun maksu', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (344, 107, 19, 0, 'D', 240.00, 'Edellisen vuoden ilmoituslaskun maksu', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (345, 107, 11, 0, 'K', 240.00, 'Edellisen vuoden ilmoituslaskun maksu', False, False, False);
-- voucher 7, 12.1.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (108, 7, #1/12/2026#, 'Verkkosivujen ylläpito 2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (346, 108, 77, 1, 'D', 180.00, 'Verkkosivujen ylläpito 2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (347, 108, 19, 0, 'K', 180.00, 'Verkkosivujen ylläpito 2026', False, False, False);
-- voucher 8, 12.1.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (109, 8, #1/12/2026#, 'Oma-aloitteiset verot 12/2025', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (348, 109, 34, 0, 'D', 261.00, 'Oma-aloitteiset verot 12/2025', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (349, 109, 35, 0, 'D', 16.82, 'Oma-aloitteiset verot 12/2025', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (350, 109, 19, 0, 'K', 277.82, 'Oma-aloitteiset verot 12/2025', False, False, False);
-- voucher 9, 14.1.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (110, 9, #1/14/2026#, 'Liikuntaryhmien kevätkauden maksuja, 27 osallistujaa', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (351, 110, 19, 0, 'D', 2295.00, 'Liikuntaryhmien kevätkauden maksuja, 27 osallistujaa', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (352, 110, 48, 3, 'K', 2295.00, 'Liikuntaryhmien kevätkauden maksuja, 27 osallistujaa', False, False, False);
-- voucher 10, 15.1.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (111, 10, #1/15/2026#, 'Vastuu- ja tapaturmavakuutus 2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (353, 111, 80, 1, 'D', 420.00, 'Vastuu- ja tapaturmavakuutus 2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (354, 111, 19, 0, 'K', 420.00, 'Vastuu- ja tapaturmavakuutus 2026', False, False, False);
-- voucher 11, 19.1.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (112, 11, #1/19/2026#, 'Työntekijän tapaturmavakuutus 2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (355, 112, 60, 1, 'D', 165.00, 'Työntekijän tapaturmavakuutus 2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (356, 112, 19, 0, 'K', 165.00, 'Työntekijän tapaturmavakuutus 2026', False, False, False);
-- voucher 12, 19.1.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (113, 12, #1/19/2026#, 'Puhelinliittymä 1. neljännes', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (357, 113, 75, 1, 'D', 45.90, 'Puhelinliittymä 1. neljännes', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (358, 113, 19, 0, 'K', 45.90, 'Puhelinliittymä 1. neljännes', False, False, False);
-- voucher 13, 20.1.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (114, 13, #1/20/2026#, 'TyEL-maksu 10-12/2025', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (359, 114, 36, 0, 'D', 1067.52, 'TyEL-maksu 10-12/2025', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (360, 114, 19, 0, 'K', 1067.52, 'TyEL-maksu 10-12/2025', False, False, False);
-- voucher 14, 21.1.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (115, 14, #1/21/2026#, 'Liikuntaryhmien kevätkauden maksuja, 21 osallistujaa', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (361, 115, 19, 0, 'D', 1785.00, 'Liikuntaryhmien kevätkauden maksuja, 21 osallistujaa', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (362, 115, 48, 3, 'K', 1785.00, 'Liikuntaryhmien kevätkauden maksuja, 21 osallistujaa', False, False, False);
-- voucher 15, 22.1.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (116, 15, #1/22/2026#, 'Työttömyysvakuutusmaksu 10-12/2025', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (363, 116, 37, 0, 'D', 47.43, 'Työttömyysvakuutusmaksu 10-12/2025', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (364, 116, 19, 0, 'K', 47.43, 'Työttömyysvakuutusmaksu 10-12/2025', False, False, False);
-- voucher 16, 26.1.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (117, 16, #1/26/2026#, 'Palkka 1/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (365, 117, 55, 1, 'D', 1480.00, 'Palkka 1/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (366, 117, 58, 1, 'D', 257.37, 'Palkka 1/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (367, 117, 59, 1, 'D', 17.17, 'Palkka 1/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (368, 117, 60, 1, 'D', 2.96, 'Palkka 1/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (369, 117, 34, 0, 'K', 281.20, 'Palkka 1/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (370, 117, 35, 0, 'K', 17.17, 'Palkka 1/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (371, 117, 36, 0, 'K', 365.41, 'Palkka 1/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (372, 117, 37, 0, 'K', 16.13, 'Palkka 1/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (373, 117, 19, 0, 'K', 1077.59, 'Palkka 1/2026, toiminnanohjaaja', False, False, False);
-- voucher 17, 28.1.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (118, 17, #1/28/2026#, 'Jäsenmaksuja 2026, 6 aikuista ja 2 junioria', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (374, 118, 19, 0, 'D', 210.00, 'Jäsenmaksuja 2026, 6 aikuista ja 2 junioria', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (375, 118, 90, 2, 'K', 210.00, 'Jäsenmaksuja 2026, 6 aikuista ja 2 junioria', False, False, False);
-- voucher 18, 30.1.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (119, 18, #1/30/2026#, 'Pankin palvelumaksut 1/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (376, 119, 83, 1, 'D', 11.20, 'Pankin palvelumaksut 1/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (377, 119, 19, 0, 'K', 11.20, 'Pankin palvelumaksut 1/2026', False, False, False);
-- voucher 19, 30.1.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (120, 19, #1/30/2026#, 'Liikuntaryhmien kevätkauden maksuja, 22 osallistujaa', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (378, 120, 19, 0, 'D', 1870.00, 'Liikuntaryhmien kevätkauden maksuja, 22 osallistujaa', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (379, 120, 48, 3, 'K', 1870.00, 'Liikuntaryhmien kevätkauden maksuja, 22 osallistujaa', False, False, False);
-- voucher 20, 2.2.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (121, 20, #2/2/2026#, 'Kerhohuoneen vuokra 2/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (380, 121, 64, 1, 'D', 480.00, 'Kerhohuoneen vuokra 2/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (381, 121, 19, 0, 'K', 480.00, 'Kerhohuoneen vuokra 2/2026', False, False, False);
-- voucher 21, 4.2.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (122, 21, #2/4/2026#, 'Toimistotarvikkeet', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (382, 122, 74, 1, 'D', 48.70, 'Toimistotarvikkeet', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (383, 122, 19, 0, 'K', 48.70, 'Toimistotarvikkeet', False, False, False);
-- voucher 22, 5.2.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (123, 22, #2/5/2026#, 'Jäsenmaksuja 2026, 35 aikuista ja 12 junioria', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (384, 123, 19, 0, 'D', 1230.00, 'Jäsenmaksuja 2026, 35 aikuista ja 12 junioria', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (385, 123, 90, 2, 'K', 1230.00, 'Jäsenmaksuja 2026, 35 aikuista ja 12 junioria', False, False, False);
-- voucher 23, 6.2.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (124, 23, #2/6/2026#, 'Salivuorot 2/2026, liikuntaryhmät', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (386, 124, 86, 3, 'D', 412.00, 'Salivuorot 2/2026, liikuntaryhmät', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (387, 124, 19, 0, 'K', 412.00, 'Salivuorot 2/2026, liikuntaryhmät', False, False, False);
-- voucher 24, 9.2.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (125, 24, #2/9/2026#, 'Liikuntaryhmien kevätkauden maksuja, 17 osallistujaa', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (388, 125, 19, 0, 'D', 1445.00, 'Liikuntaryhmien kevätkauden maksuja, 17 osallistujaa', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (389, 125, 48, 3, 'K', 1445.00, 'Liikuntaryhmien kevätkauden maksuja, 17 osallistujaa', False, False, False);
-- voucher 25, 10.2.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (126, 25, #2/10/2026#, 'Hallituksen kokous, tarjoilu', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (390, 126, 66, 1, 'D', 58.40, 'Hallituksen kokous, tarjoilu', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (391, 126, 19, 0, 'K', 58.40, 'Hallituksen kokous, tarjoilu', False, False, False);
-- voucher 26, 12.2.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (127, 26, #2/12/2026#, 'Jäsenmaksuja 2026, 45 aikuista ja 17 junioria', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (392, 127, 19, 0, 'D', 1605.00, 'Jäsenmaksuja 2026, 45 aikuista ja 17 junioria', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (393, 127, 90, 2, 'K', 1605.00, 'Jäsenmaksuja 2026, 45 aikuista ja 17 junioria', False, False, False);
-- voucher 27, 12.2.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (128, 27, #2/12/2026#, 'Oma-aloitteiset verot 1/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (394, 128, 34, 0, 'D', 281.20, 'Oma-aloitteiset verot 1/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (395, 128, 35, 0, 'D', 17.17, 'Oma-aloitteiset verot 1/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (396, 128, 19, 0, 'K', 298.37, 'Oma-aloitteiset verot 1/2026', False, False, False);
-- voucher 28, 16.2.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (129, 28, #2/16/2026#, 'Kevään tanssikurssin kurssimaksuja, 4 osallistujaa', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (397, 129, 19, 0, 'D', 340.00, 'Kevään tanssikurssin kurssimaksuja, 4 osallistujaa', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (398, 129, 44, 4, 'K', 340.00, 'Kevään tanssikurssin kurssimaksuja, 4 osallistujaa', False, False, False);
-- voucher 29, 17.2.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (130, 29, #2/17/2026#, 'Liiton jäsenmaksu 2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (399, 130, 79, 2, 'D', 980.00, 'Liiton jäsenmaksu 2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (400, 130, 19, 0, 'K', 980.00, 'Liiton jäsenmaksu 2026', False, False, False);
-- voucher 30, 18.2.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (131, 30, #2/18/2026#, 'Lahjoitus junioritoimintaan', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (401, 131, 19, 0, 'D', 250.00, 'Lahjoitus junioritoimintaan', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (402, 131, 92, 2, 'K', 250.00, 'Lahjoitus junioritoimintaan', False, False, False);
-- voucher 31, 19.2.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (132, 31, #2/19/2026#, 'Jäsenmaksuja 2026, 32 aikuista ja 14 junioria', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (403, 132, 19, 0, 'D', 1170.00, 'Jäsenmaksuja 2026, 32 aikuista ja 14 junioria', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (404, 132, 90, 2, 'K', 1170.00, 'Jäsenmaksuja 2026, 32 aikuista ja 14 junioria', False, False, False);
-- voucher 32, 20.2.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (133, 32, #2/20/2026#, 'TyEL-maksu 1/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (405, 133, 36, 0, 'D', 365.41, 'TyEL-maksu 1/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (406, 133, 19, 0, 'K', 365.41, 'TyEL-maksu 1/2026', False, False, False);
-- voucher 33, 23.2.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (134, 33, #2/23/2026#, 'Liikuntaryhmien kevätkauden maksuja, 7 osallistujaa', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (407, 134, 19, 0, 'D', 595.00, 'Liikuntaryhmien kevätkauden maksuja, 7 osallistujaa', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (408, 134, 48, 3, 'K', 595.00, 'Liikuntaryhmien kevätkauden maksuja, 7 osallistujaa', False, False, False);
-- voucher 34, 25.2.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (135, 34, #2/25/2026#, 'Palkka 2/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (409, 135, 55, 1, 'D', 1480.00, 'Palkka 2/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (410, 135, 58, 1, 'D', 257.37, 'Palkka 2/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (411, 135, 59, 1, 'D', 17.17, 'Palkka 2/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (412, 135, 60, 1, 'D', 2.96, 'Palkka 2/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (413, 135, 34, 0, 'K', 281.20, 'Palkka 2/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (414, 135, 35, 0, 'K', 17.17, 'Palkka 2/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (415, 135, 36, 0, 'K', 365.41, 'Palkka 2/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (416, 135, 37, 0, 'K', 16.13, 'Palkka 2/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (417, 135, 19, 0, 'K', 1077.59, 'Palkka 2/2026, toiminnanohjaaja', False, False, False);
-- voucher 35, 26.2.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (136, 35, #2/26/2026#, 'Jäsenmaksuja 2026, 20 aikuista ja 8 junioria', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (418, 136, 19, 0, 'D', 720.00, 'Jäsenmaksuja 2026, 20 aikuista ja 8 junioria', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (419, 136, 90, 2, 'K', 720.00, 'Jäsenmaksuja 2026, 20 aikuista ja 8 junioria', False, False, False);
-- voucher 36, 27.2.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (137, 36, #2/27/2026#, 'Pankin palvelumaksut 2/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (420, 137, 83, 1, 'D', 9.80, 'Pankin palvelumaksut 2/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (421, 137, 19, 0, 'K', 9.80, 'Pankin palvelumaksut 2/2026', False, False, False);
-- voucher 37, 27.2.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (138, 37, #2/27/2026#, 'Kevään tanssikurssin kurssimaksuja, 6 osallistujaa', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (422, 138, 19, 0, 'D', 510.00, 'Kevään tanssikurssin kurssimaksuja, 6 osallistujaa', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (423, 138, 44, 4, 'K', 510.00, 'Kevään tanssikurssin kurssimaksuja, 6 osallistujaa', False, False, False);
-- voucher 38, 2.3.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (139, 38, #3/2/2026#, 'Kerhohuoneen vuokra 3/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (424, 139, 64, 1, 'D', 480.00, 'Kerhohuoneen vuokra 3/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (425, 139, 19, 0, 'K', 480.00, 'Kerhohuoneen vuokra 3/2026', False, False, False);
-- voucher 39, 2.3.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (140, 39, #3/2/2026#, 'Ilmoitus jäsenlehteen 1/2026, urheiluliike', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (426, 140, 11, 0, 'D', 240.00, 'Ilmoitus jäsenlehteen 1/2026, urheiluliike', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (427, 140, 96, 2, 'K', 240.00, 'Ilmoitus jäsenlehteen 1/2026, urheiluliike', False, False, False);
-- voucher 40, 3.3.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (141, 40, #3/3/2026#, 'Kannatusjäsenmaksuja 2026, 6 kpl', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (428, 141, 19, 0, 'D', 300.00, 'Kannatusjäsenmaksuja 2026, 6 kpl', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (429, 141, 91, 2, 'K', 300.00, 'Kannatusjäsenmaksuja 2026, 6 kpl', False, False, False);
-- voucher 41, 4.3.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (142, 41, #3/4/2026#, 'Ilmoitus jäsenlehteen 1/2026, kahvila', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (430, 142, 11, 0, 'D', 180.00, 'Ilmoitus jäsenlehteen 1/2026, kahvila', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (431, 142, 96, 2, 'K', 180.00, 'Ilmoitus jäsenlehteen 1/2026, kahvila', False, False, False);
-- voucher 42, 5.3.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (143, 42, #3/5/2026#, 'Jäsenmaksuja 2026, 14 aikuista ja 6 junioria', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (432, 143, 19, 0, 'D', 510.00, 'Jäsenmaksuja 2026, 14 aikuista ja 6 junioria', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (433, 143, 90, 2, 'K', 510.00, 'Jäsenmaksuja 2026, 14 aikuista ja 6 junioria', False, False, False);
-- voucher 43, 6.3.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (144, 43, #3/6/2026#, 'Salivuorot 3/2026, liikuntaryhmät', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (434, 144, 86, 3, 'D', 460.00, 'Salivuorot 3/2026, liikuntaryhmät', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (435, 144, 19, 0, 'K', 460.00, 'Salivuorot 3/2026, liikuntaryhmät', False, False, False);
-- voucher 44, 6.3.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (145, 44, #3/6/2026#, 'Kevään tanssikurssin kurssimaksuja, 5 osallistujaa', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (436, 145, 19, 0, 'D', 425.00, 'Kevään tanssikurssin kurssimaksuja, 5 osallistujaa', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (437, 145, 44, 4, 'K', 425.00, 'Kevään tanssikurssin kurssimaksuja, 5 osallistujaa', False, False, False);
-- voucher 45, 9.3.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (146, 45, #3/9/2026#, 'Kurssimateriaalit, tanssikurssi', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (438, 146, 71, 4, 'D', 126.40, 'Kurssimateriaalit, tanssikurssi', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (439, 146, 19, 0, 'K', 126.40, 'Kurssimateriaalit, tanssikurssi', False, False, False);
-- voucher 46, 11.3.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (147, 46, #3/11/2026#, 'Seurapaitoja 60 kpl, lasku', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (440, 147, 99, 6, 'D', 690.00, 'Seurapaitoja 60 kpl, lasku', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (441, 147, 33, 0, 'K', 690.00, 'Seurapaitoja 60 kpl, lasku', False, False, False);
-- voucher 47, 12.3.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (148, 47, #3/12/2026#, 'Oma-aloitteiset verot 2/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (442, 148, 34, 0, 'D', 281.20, 'Oma-aloitteiset verot 2/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (443, 148, 35, 0, 'D', 17.17, 'Oma-aloitteiset verot 2/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (444, 148, 19, 0, 'K', 298.37, 'Oma-aloitteiset verot 2/2026', False, False, False);
-- voucher 48, 13.3.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (149, 48, #3/13/2026#, 'Jäsenlehden 1/2026 painatus', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (445, 149, 73, 2, 'D', 684.50, 'Jäsenlehden 1/2026 painatus', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (446, 149, 19, 0, 'K', 684.50, 'Jäsenlehden 1/2026 painatus', False, False, False);
-- voucher 49, 16.3.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (150, 49, #3/16/2026#, 'Jäsenmaksuja 2026, 13 aikuista ja 4 junioria', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (447, 150, 19, 0, 'D', 450.00, 'Jäsenmaksuja 2026, 13 aikuista ja 4 junioria', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (448, 150, 90, 2, 'K', 450.00, 'Jäsenmaksuja 2026, 13 aikuista ja 4 junioria', False, False, False);
-- voucher 50, 17.3.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (151, 50, #3/17/2026#, 'Jäsenlehden 1/2026 postitus', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (449, 151, 76, 2, 'D', 312.40, 'Jäsenlehden 1/2026 postitus', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (450, 151, 19, 0, 'K', 312.40, 'Jäsenlehden 1/2026 postitus', False, False, False);
-- voucher 51, 20.3.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (152, 51, #3/20/2026#, 'Seurapaitojen myynti, 8 kpl', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (451, 152, 19, 0, 'D', 160.00, 'Seurapaitojen myynti, 8 kpl', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (452, 152, 94, 6, 'K', 160.00, 'Seurapaitojen myynti, 8 kpl', False, False, False);
-- voucher 52, 20.3.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (153, 52, #3/20/2026#, 'Toiminnantarkastuksen palkkio edelliseltä tilikaudelta', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (453, 153, 40, 0, 'D', 250.00, 'Toiminnantarkastuksen palkkio edelliseltä tilikaudelta', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (454, 153, 19, 0, 'K', 250.00, 'Toiminnantarkastuksen palkkio edelliseltä tilikaudelta', False, False, False);
-- voucher 53, 20.3.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (154, 53, #3/20/2026#, 'TyEL-maksu 2/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (455, 154, 36, 0, 'D', 365.41, 'TyEL-maksu 2/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (456, 154, 19, 0, 'K', 365.41, 'TyEL-maksu 2/2026', False, False, False);
-- voucher 54, 25.3.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (155, 54, #3/25/2026#, 'Palkka 3/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (457, 155, 55, 1, 'D', 1480.00, 'Palkka 3/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (458, 155, 58, 1, 'D', 257.37, 'Palkka 3/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (459, 155, 59, 1, 'D', 17.17, 'Palkka 3/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (460, 155, 60, 1, 'D', 2.96, 'Palkka 3/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (461, 155, 34, 0, 'K', 281.20, 'Palkka 3/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (462, 155, 35, 0, 'K', 17.17, 'Palkka 3/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (463, 155, 36, 0, 'K', 365.41, 'Palkka 3/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (464, 155, 37, 0, 'K', 16.13, 'Palkka 3/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (465, 155, 19, 0, 'K', 1077.59, 'Palkka 3/2026, toiminnanohjaaja', False, False, False);
-- voucher 55, 31.3.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (156, 55, #3/31/2026#, 'Pankin palvelumaksut 3/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (466, 156, 83, 1, 'D', 9.80, 'Pankin palvelumaksut 3/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (467, 156, 19, 0, 'K', 9.80, 'Pankin palvelumaksut 3/2026', False, False, False);
-- voucher 56, 31.3.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (157, 56, #3/31/2026#, 'Kouluttajapalkkio, tanssikurssi maaliskuu', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (468, 157, 57, 4, 'D', 360.00, 'Kouluttajapalkkio, tanssikurssi maaliskuu', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (469, 157, 59, 4, 'D', 4.18, 'Kouluttajapalkkio, tanssikurssi maaliskuu', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (470, 157, 34, 0, 'K', 90.00, 'Kouluttajapalkkio, tanssikurssi maaliskuu', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (471, 157, 35, 0, 'K', 4.18, 'Kouluttajapalkkio, tanssikurssi maaliskuu', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (472, 157, 19, 0, 'K', 270.00, 'Kouluttajapalkkio, tanssikurssi maaliskuu', False, False, False);
-- voucher 57, 31.3.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (158, 57, #3/31/2026#, 'Kilometrikorvaukset, kurssin ohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (473, 158, 68, 4, 'D', 86.40, 'Kilometrikorvaukset, kurssin ohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (474, 158, 19, 0, 'K', 86.40, 'Kilometrikorvaukset, kurssin ohjaaja', False, False, False);
-- voucher 58, 2.4.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (159, 58, #4/2/2026#, 'Kerhohuoneen vuokra 4/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (475, 159, 64, 1, 'D', 480.00, 'Kerhohuoneen vuokra 4/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (476, 159, 19, 0, 'K', 480.00, 'Kerhohuoneen vuokra 4/2026', False, False, False);
-- voucher 59, 6.4.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (160, 59, #4/6/2026#, 'Salivuorot 4/2026, liikuntaryhmät', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (477, 160, 86, 3, 'D', 460.00, 'Salivuorot 4/2026, liikuntaryhmät', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (478, 160, 19, 0, 'K', 460.00, 'Salivuorot 4/2026, liikuntaryhmät', False, False, False);
-- voucher 60, 8.4.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (161, 60, #4/8/2026#, 'Jäsenrekisteriohjelman vuosimaksu', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (479, 161, 77, 2, 'D', 240.00, 'Jäsenrekisteriohjelman vuosimaksu', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (480, 161, 19, 0, 'K', 240.00, 'Jäsenrekisteriohjelman vuosimaksu', False, False, False);
-- voucher 61, 9.4.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (162, 61, #4/9/2026#, 'Jäsenmaksuja 2026, 8 aikuista ja 3 junioria', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (481, 162, 19, 0, 'D', 285.00, 'Jäsenmaksuja 2026, 8 aikuista ja 3 junioria', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (482, 162, 90, 2, 'K', 285.00, 'Jäsenmaksuja 2026, 8 aikuista ja 3 junioria', False, False, False);
-- voucher 62, 10.4.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (163, 62, #4/10/2026#, 'Seurapaitojen laskun maksu', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (483, 163, 33, 0, 'D', 690.00, 'Seurapaitojen laskun maksu', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (484, 163, 19, 0, 'K', 690.00, 'Seurapaitojen laskun maksu', False, False, False);
-- voucher 63, 13.4.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (164, 63, #4/13/2026#, 'Kesäleirin leirimaksuja, 5 leiriläistä', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (485, 164, 19, 0, 'D', 900.00, 'Kesäleirin leirimaksuja, 5 leiriläistä', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (486, 164, 45, 5, 'K', 900.00, 'Kesäleirin leirimaksuja, 5 leiriläistä', False, False, False);
-- voucher 64, 13.4.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (165, 64, #4/13/2026#, 'Oma-aloitteiset verot 3/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (487, 165, 34, 0, 'D', 371.20, 'Oma-aloitteiset verot 3/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (488, 165, 35, 0, 'D', 21.35, 'Oma-aloitteiset verot 3/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (489, 165, 19, 0, 'K', 392.55, 'Oma-aloitteiset verot 3/2026', False, False, False);
-- voucher 65, 16.4.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (166, 65, #4/16/2026#, 'Maksu: ilmoitus jäsenlehteen 1/2026, urheiluliike', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (490, 166, 19, 0, 'D', 240.00, 'Maksu: ilmoitus jäsenlehteen 1/2026, urheiluliike', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (491, 166, 11, 0, 'K', 240.00, 'Maksu: ilmoitus jäsenlehteen 1/2026, urheiluliike', False, False, False);
-- voucher 66, 16.4.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (167, 66, #4/16/2026#, 'Kunnan toiminta-avustus 2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (492, 167, 19, 0, 'D', 6500.00, 'Kunnan toiminta-avustus 2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (493, 167, 114, 1, 'K', 6500.00, 'Kunnan toiminta-avustus 2026', False, False, False);
-- voucher 67, 20.4.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (168, 67, #4/20/2026#, 'Maksu: ilmoitus jäsenlehteen 1/2026, kahvila', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (494, 168, 19, 0, 'D', 180.00, 'Maksu: ilmoitus jäsenlehteen 1/2026, kahvila', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (495, 168, 11, 0, 'K', 180.00, 'Maksu: ilmoitus jäsenlehteen 1/2026, kahvila', False, False, False);
-- voucher 68, 20.4.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (169, 68, #4/20/2026#, 'Puhelinliittymä 2. neljännes', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (496, 169, 75, 1, 'D', 45.90, 'Puhelinliittymä 2. neljännes', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (497, 169, 19, 0, 'K', 45.90, 'Puhelinliittymä 2. neljännes', False, False, False);
-- voucher 69, 20.4.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (170, 69, #4/20/2026#, 'TyEL-maksu 3/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (498, 170, 36, 0, 'D', 365.41, 'TyEL-maksu 3/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (499, 170, 19, 0, 'K', 365.41, 'TyEL-maksu 3/2026', False, False, False);
-- voucher 70, 21.4.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (171, 70, #4/21/2026#, 'Kannatusjäsenmaksuja 2026, 6 kpl', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (500, 171, 19, 0, 'D', 300.00, 'Kannatusjäsenmaksuja 2026, 6 kpl', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (501, 171, 91, 2, 'K', 300.00, 'Kannatusjäsenmaksuja 2026, 6 kpl', False, False, False);
-- voucher 71, 22.4.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (172, 71, #4/22/2026#, 'Työttömyysvakuutusmaksu 1-3/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (502, 172, 37, 0, 'D', 48.39, 'Työttömyysvakuutusmaksu 1-3/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (503, 172, 19, 0, 'K', 48.39, 'Työttömyysvakuutusmaksu 1-3/2026', False, False, False);
-- voucher 72, 23.4.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (173, 72, #4/23/2026#, 'Kevätkokouksen kahvitarjoilu', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (504, 173, 66, 1, 'D', 146.20, 'Kevätkokouksen kahvitarjoilu', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (505, 173, 19, 0, 'K', 146.20, 'Kevätkokouksen kahvitarjoilu', False, False, False);
-- voucher 73, 27.4.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (174, 73, #4/27/2026#, 'Palkka 4/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (506, 174, 55, 1, 'D', 1480.00, 'Palkka 4/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (507, 174, 58, 1, 'D', 257.37, 'Palkka 4/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (508, 174, 59, 1, 'D', 17.17, 'Palkka 4/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (509, 174, 60, 1, 'D', 2.96, 'Palkka 4/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (510, 174, 34, 0, 'K', 281.20, 'Palkka 4/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (511, 174, 35, 0, 'K', 17.17, 'Palkka 4/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (512, 174, 36, 0, 'K', 365.41, 'Palkka 4/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (513, 174, 37, 0, 'K', 16.13, 'Palkka 4/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (514, 174, 19, 0, 'K', 1077.59, 'Palkka 4/2026, toiminnanohjaaja', False, False, False);
-- voucher 74, 27.4.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (175, 74, #4/27/2026#, 'Kesäleirin leirimaksuja, 7 leiriläistä', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (515, 175, 19, 0, 'D', 1260.00, 'Kesäleirin leirimaksuja, 7 leiriläistä', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (516, 175, 45, 5, 'K', 1260.00, 'Kesäleirin leirimaksuja, 7 leiriläistä', False, False, False);
-- voucher 75, 27.4.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (176, 75, #4/27/2026#, 'Tilikauden 2025 alijäämän siirto edellisten tilikausien yli-/alijäämään (kevätkokous)', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (517, 176, 24, 0, 'D', 122.97, 'Tilikauden 2025 alijäämän siirto edellisten tilikausien yli-/alijäämään (kevätkokous)', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (518, 176, 25, 0, 'K', 122.97, 'Tilikauden 2025 alijäämän siirto edellisten tilikausien yli-/alijäämään (kevätkokous)', False, False, False);
-- voucher 76, 30.4.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (177, 76, #4/30/2026#, 'Pankin palvelumaksut 4/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (519, 177, 83, 1, 'D', 9.80, 'Pankin palvelumaksut 4/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (520, 177, 19, 0, 'K', 9.80, 'Pankin palvelumaksut 4/2026', False, False, False);
-- voucher 77, 30.4.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (178, 77, #4/30/2026#, 'Kouluttajapalkkio, tanssikurssi huhtikuu', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (521, 178, 57, 4, 'D', 360.00, 'Kouluttajapalkkio, tanssikurssi huhtikuu', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (522, 178, 59, 4, 'D', 4.18, 'Kouluttajapalkkio, tanssikurssi huhtikuu', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (523, 178, 34, 0, 'K', 90.00, 'Kouluttajapalkkio, tanssikurssi huhtikuu', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (524, 178, 35, 0, 'K', 4.18, 'Kouluttajapalkkio, tanssikurssi huhtikuu', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (525, 178, 19, 0, 'K', 270.00, 'Kouluttajapalkkio, tanssikurssi huhtikuu', False, False, False);
-- voucher 78, 4.5.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (179, 78, #5/4/2026#, 'Kerhohuoneen vuokra 5/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (526, 179, 64, 1, 'D', 480.00, 'Kerhohuoneen vuokra 5/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (527, 179, 19, 0, 'K', 480.00, 'Kerhohuoneen vuokra 5/2026', False, False, False);
-- voucher 79, 6.5.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (180, 79, #5/6/2026#, 'Salivuorot 5/2026, liikuntaryhmät', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (528, 180, 86, 3, 'D', 412.00, 'Salivuorot 5/2026, liikuntaryhmät', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (529, 180, 19, 0, 'K', 412.00, 'Salivuorot 5/2026, liikuntaryhmät', False, False, False);
-- voucher 80, 8.5.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (181, 80, #5/8/2026#, 'Kesäleirin leirimaksuja, 12 leiriläistä', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (530, 181, 19, 0, 'D', 2160.00, 'Kesäleirin leirimaksuja, 12 leiriläistä', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (531, 181, 45, 5, 'K', 2160.00, 'Kesäleirin leirimaksuja, 12 leiriläistä', False, False, False);
-- voucher 81, 12.5.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (182, 81, #5/12/2026#, 'Äänentoiston vuokra, kevättapahtuma', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (532, 182, 72, 6, 'D', 450.00, 'Äänentoiston vuokra, kevättapahtuma', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (533, 182, 19, 0, 'K', 450.00, 'Äänentoiston vuokra, kevättapahtuma', False, False, False);
-- voucher 82, 12.5.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (183, 82, #5/12/2026#, 'Oma-aloitteiset verot 4/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (534, 183, 34, 0, 'D', 371.20, 'Oma-aloitteiset verot 4/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (535, 183, 35, 0, 'D', 21.35, 'Oma-aloitteiset verot 4/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (536, 183, 19, 0, 'K', 392.55, 'Oma-aloitteiset verot 4/2026', False, False, False);
-- voucher 83, 16.5.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (184, 83, #5/16/2026#, 'Kevättapahtuman pääsymaksut, käteinen', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (537, 184, 18, 0, 'D', 1240.00, 'Kevättapahtuman pääsymaksut, käteinen', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (538, 184, 46, 6, 'K', 1240.00, 'Kevättapahtuman pääsymaksut, käteinen', False, False, False);
-- voucher 84, 18.5.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (185, 84, #5/18/2026#, 'Kesäleirin leirimaksuja, 7 leiriläistä', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (539, 185, 19, 0, 'D', 1260.00, 'Kesäleirin leirimaksuja, 7 leiriläistä', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (540, 185, 45, 5, 'K', 1260.00, 'Kesäleirin leirimaksuja, 7 leiriläistä', False, False, False);
-- voucher 85, 18.5.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (186, 85, #5/18/2026#, 'Kevättapahtuman käteisvarat pankkiin', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (541, 186, 19, 0, 'D', 1240.00, 'Kevättapahtuman käteisvarat pankkiin', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (542, 186, 18, 0, 'K', 1240.00, 'Kevättapahtuman käteisvarat pankkiin', False, False, False);
-- voucher 86, 18.5.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (187, 86, #5/18/2026#, 'Seurapaitojen myynti, 14 kpl', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (543, 187, 19, 0, 'D', 280.00, 'Seurapaitojen myynti, 14 kpl', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (544, 187, 94, 6, 'K', 280.00, 'Seurapaitojen myynti, 14 kpl', False, False, False);
-- voucher 87, 20.5.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (188, 87, #5/20/2026#, 'Kevättapahtuman tarjoilut', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (545, 188, 72, 6, 'D', 184.60, 'Kevättapahtuman tarjoilut', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (546, 188, 19, 0, 'K', 184.60, 'Kevättapahtuman tarjoilut', False, False, False);
-- voucher 88, 20.5.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (189, 88, #5/20/2026#, 'TyEL-maksu 4/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (547, 189, 36, 0, 'D', 365.41, 'TyEL-maksu 4/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (548, 189, 19, 0, 'K', 365.41, 'TyEL-maksu 4/2026', False, False, False);
-- voucher 89, 25.5.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (190, 89, #5/25/2026#, 'Palkka 5/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (549, 190, 55, 1, 'D', 1480.00, 'Palkka 5/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (550, 190, 58, 1, 'D', 257.37, 'Palkka 5/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (551, 190, 59, 1, 'D', 17.17, 'Palkka 5/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (552, 190, 60, 1, 'D', 2.96, 'Palkka 5/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (553, 190, 34, 0, 'K', 281.20, 'Palkka 5/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (554, 190, 35, 0, 'K', 17.17, 'Palkka 5/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (555, 190, 36, 0, 'K', 365.41, 'Palkka 5/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (556, 190, 37, 0, 'K', 16.13, 'Palkka 5/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (557, 190, 19, 0, 'K', 1077.59, 'Palkka 5/2026, toiminnanohjaaja', False, False, False);
-- voucher 90, 27.5.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (191, 90, #5/27/2026#, 'Muistaminen, pitkäaikainen ohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (558, 191, 84, 2, 'D', 65.00, 'Muistaminen, pitkäaikainen ohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (559, 191, 19, 0, 'K', 65.00, 'Muistaminen, pitkäaikainen ohjaaja', False, False, False);
-- voucher 91, 29.5.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (192, 91, #5/29/2026#, 'Pankin palvelumaksut 5/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (560, 192, 83, 1, 'D', 9.80, 'Pankin palvelumaksut 5/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (561, 192, 19, 0, 'K', 9.80, 'Pankin palvelumaksut 5/2026', False, False, False);
-- voucher 92, 29.5.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (193, 92, #5/29/2026#, 'Kesäleirin leirimaksuja, 6 leiriläistä', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (562, 193, 19, 0, 'D', 1080.00, 'Kesäleirin leirimaksuja, 6 leiriläistä', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (563, 193, 45, 5, 'K', 1080.00, 'Kesäleirin leirimaksuja, 6 leiriläistä', False, False, False);
-- voucher 93, 2.6.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (194, 93, #6/2/2026#, 'Kerhohuoneen vuokra 6/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (564, 194, 64, 1, 'D', 480.00, 'Kerhohuoneen vuokra 6/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (565, 194, 19, 0, 'K', 480.00, 'Kerhohuoneen vuokra 6/2026', False, False, False);
-- voucher 94, 2.6.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (195, 94, #6/2/2026#, 'Kunnan kohdeavustus, kesäleiri', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (566, 195, 19, 0, 'D', 1200.00, 'Kunnan kohdeavustus, kesäleiri', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (567, 195, 51, 5, 'K', 1200.00, 'Kunnan kohdeavustus, kesäleiri', False, False, False);
-- voucher 95, 5.6.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (196, 95, #6/5/2026#, 'Kesäleirin leirimaksuja, 4 leiriläistä', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (568, 196, 19, 0, 'D', 720.00, 'Kesäleirin leirimaksuja, 4 leiriläistä', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (569, 196, 45, 5, 'K', 720.00, 'Kesäleirin leirimaksuja, 4 leiriläistä', False, False, False);
-- voucher 96, 8.6.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (197, 96, #6/8/2026#, 'Lahjoitus kesäleirille', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (570, 197, 19, 0, 'D', 500.00, 'Lahjoitus kesäleirille', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (571, 197, 92, 5, 'K', 500.00, 'Lahjoitus kesäleirille', False, False, False);
-- voucher 97, 10.6.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (198, 97, #6/10/2026#, 'Kesäleirin askartelu- ja liikuntatarvikkeet', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (572, 198, 71, 5, 'D', 312.70, 'Kesäleirin askartelu- ja liikuntatarvikkeet', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (573, 198, 19, 0, 'K', 312.70, 'Kesäleirin askartelu- ja liikuntatarvikkeet', False, False, False);
-- voucher 98, 12.6.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (199, 98, #6/12/2026#, 'Leirikeskuksen vuokra, kesäleiri', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (574, 199, 70, 5, 'D', 3640.00, 'Leirikeskuksen vuokra, kesäleiri', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (575, 199, 33, 0, 'K', 3640.00, 'Leirikeskuksen vuokra, kesäleiri', False, False, False);
-- voucher 99, 12.6.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (200, 99, #6/12/2026#, 'Seurapaitojen myynti, 9 kpl', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (576, 200, 19, 0, 'D', 180.00, 'Seurapaitojen myynti, 9 kpl', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (577, 200, 94, 6, 'K', 180.00, 'Seurapaitojen myynti, 9 kpl', False, False, False);
-- voucher 100, 12.6.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (201, 100, #6/12/2026#, 'Oma-aloitteiset verot 5/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (578, 201, 34, 0, 'D', 281.20, 'Oma-aloitteiset verot 5/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (579, 201, 35, 0, 'D', 17.17, 'Oma-aloitteiset verot 5/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (580, 201, 19, 0, 'K', 298.37, 'Oma-aloitteiset verot 5/2026', False, False, False);
-- voucher 101, 15.6.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (202, 101, #6/15/2026#, 'Kesäleirin ruokatarvikkeet', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (581, 202, 70, 5, 'D', 1462.35, 'Kesäleirin ruokatarvikkeet', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (582, 202, 19, 0, 'K', 1462.35, 'Kesäleirin ruokatarvikkeet', False, False, False);
-- voucher 102, 16.6.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (203, 102, #6/16/2026#, 'Siirto säästötilille', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (583, 203, 20, 0, 'D', 5000.00, 'Siirto säästötilille', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (584, 203, 19, 0, 'K', 5000.00, 'Siirto säästötilille', False, False, False);
-- voucher 103, 18.6.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (204, 103, #6/18/2026#, 'Kesäleirin ruokatarvikkeet, täydennys', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (585, 204, 70, 5, 'D', 486.90, 'Kesäleirin ruokatarvikkeet, täydennys', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (586, 204, 19, 0, 'K', 486.90, 'Kesäleirin ruokatarvikkeet, täydennys', False, False, False);
-- voucher 104, 22.6.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (205, 104, #6/22/2026#, 'Kesäleirin bussikuljetus', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (587, 205, 67, 5, 'D', 820.00, 'Kesäleirin bussikuljetus', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (588, 205, 19, 0, 'K', 820.00, 'Kesäleirin bussikuljetus', False, False, False);
-- voucher 105, 22.6.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (206, 105, #6/22/2026#, 'TyEL-maksu 5/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (589, 206, 36, 0, 'D', 365.41, 'TyEL-maksu 5/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (590, 206, 19, 0, 'K', 365.41, 'TyEL-maksu 5/2026', False, False, False);
-- voucher 106, 25.6.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (207, 106, #6/25/2026#, 'Palkka 6/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (591, 207, 55, 1, 'D', 1480.00, 'Palkka 6/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (592, 207, 58, 1, 'D', 257.37, 'Palkka 6/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (593, 207, 59, 1, 'D', 17.17, 'Palkka 6/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (594, 207, 60, 1, 'D', 2.96, 'Palkka 6/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (595, 207, 34, 0, 'K', 281.20, 'Palkka 6/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (596, 207, 35, 0, 'K', 17.17, 'Palkka 6/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (597, 207, 36, 0, 'K', 365.41, 'Palkka 6/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (598, 207, 37, 0, 'K', 16.13, 'Palkka 6/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (599, 207, 19, 0, 'K', 1077.59, 'Palkka 6/2026, toiminnanohjaaja', False, False, False);
-- voucher 107, 30.6.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (208, 107, #6/30/2026#, 'Pankin palvelumaksut 6/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (600, 208, 83, 1, 'D', 9.80, 'Pankin palvelumaksut 6/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (601, 208, 19, 0, 'K', 9.80, 'Pankin palvelumaksut 6/2026', False, False, False);
-- voucher 108, 30.6.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (209, 108, #6/30/2026#, 'Kilometrikorvaukset, kesäleirin ohjaajat', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (602, 209, 68, 5, 'D', 132.00, 'Kilometrikorvaukset, kesäleirin ohjaajat', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (603, 209, 19, 0, 'K', 132.00, 'Kilometrikorvaukset, kesäleirin ohjaajat', False, False, False);
-- voucher 109, 2.7.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (210, 109, #7/2/2026#, 'Kerhohuoneen vuokra 7/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (604, 210, 64, 1, 'D', 480.00, 'Kerhohuoneen vuokra 7/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (605, 210, 19, 0, 'K', 480.00, 'Kerhohuoneen vuokra 7/2026', False, False, False);
-- voucher 110, 10.7.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (211, 110, #7/10/2026#, 'Leirikeskuksen vuokran maksu', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (606, 211, 33, 0, 'D', 3640.00, 'Leirikeskuksen vuokran maksu', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (607, 211, 19, 0, 'K', 3640.00, 'Leirikeskuksen vuokran maksu', False, False, False);
-- voucher 111, 13.7.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (212, 111, #7/13/2026#, 'Oma-aloitteiset verot 6/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (608, 212, 34, 0, 'D', 281.20, 'Oma-aloitteiset verot 6/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (609, 212, 35, 0, 'D', 17.17, 'Oma-aloitteiset verot 6/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (610, 212, 19, 0, 'K', 298.37, 'Oma-aloitteiset verot 6/2026', False, False, False);
-- voucher 112, 20.7.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (213, 112, #7/20/2026#, 'Puhelinliittymä 3. neljännes', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (611, 213, 75, 1, 'D', 45.90, 'Puhelinliittymä 3. neljännes', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (612, 213, 19, 0, 'K', 45.90, 'Puhelinliittymä 3. neljännes', False, False, False);
-- voucher 113, 20.7.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (214, 113, #7/20/2026#, 'TyEL-maksu 6/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (613, 214, 36, 0, 'D', 365.41, 'TyEL-maksu 6/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (614, 214, 19, 0, 'K', 365.41, 'TyEL-maksu 6/2026', False, False, False);
-- voucher 114, 22.7.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (215, 114, #7/22/2026#, 'Työttömyysvakuutusmaksu 4-6/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (615, 215, 37, 0, 'D', 48.39, 'Työttömyysvakuutusmaksu 4-6/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (616, 215, 19, 0, 'K', 48.39, 'Työttömyysvakuutusmaksu 4-6/2026', False, False, False);
-- voucher 115, 27.7.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (216, 115, #7/27/2026#, 'Palkka 7/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (617, 216, 55, 1, 'D', 1480.00, 'Palkka 7/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (618, 216, 58, 1, 'D', 257.37, 'Palkka 7/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (619, 216, 59, 1, 'D', 17.17, 'Palkka 7/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (620, 216, 60, 1, 'D', 2.96, 'Palkka 7/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (621, 216, 34, 0, 'K', 281.20, 'Palkka 7/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (622, 216, 35, 0, 'K', 17.17, 'Palkka 7/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (623, 216, 36, 0, 'K', 365.41, 'Palkka 7/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (624, 216, 37, 0, 'K', 16.13, 'Palkka 7/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (625, 216, 19, 0, 'K', 1077.59, 'Palkka 7/2026, toiminnanohjaaja', False, False, False);
-- voucher 116, 31.7.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (217, 116, #7/31/2026#, 'Pankin palvelumaksut 7/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (626, 217, 83, 1, 'D', 11.20, 'Pankin palvelumaksut 7/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (627, 217, 19, 0, 'K', 11.20, 'Pankin palvelumaksut 7/2026', False, False, False);
-- voucher 117, 3.8.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (218, 117, #8/3/2026#, 'Kerhohuoneen vuokra 8/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (628, 218, 64, 1, 'D', 480.00, 'Kerhohuoneen vuokra 8/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (629, 218, 19, 0, 'K', 480.00, 'Kerhohuoneen vuokra 8/2026', False, False, False);
-- voucher 118, 12.8.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (219, 118, #8/12/2026#, 'Oma-aloitteiset verot 7/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (630, 219, 34, 0, 'D', 281.20, 'Oma-aloitteiset verot 7/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (631, 219, 35, 0, 'D', 17.17, 'Oma-aloitteiset verot 7/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (632, 219, 19, 0, 'K', 298.37, 'Oma-aloitteiset verot 7/2026', False, False, False);
-- voucher 119, 18.8.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (220, 119, #8/18/2026#, 'Hallituksen kokous, tarjoilu', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (633, 220, 66, 1, 'D', 61.90, 'Hallituksen kokous, tarjoilu', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (634, 220, 19, 0, 'K', 61.90, 'Hallituksen kokous, tarjoilu', False, False, False);
-- voucher 120, 20.8.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (221, 120, #8/20/2026#, 'Äänentoistolaitteisto', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (635, 221, 5, 0, 'D', 2480.00, 'Äänentoistolaitteisto', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (636, 221, 19, 0, 'K', 2480.00, 'Äänentoistolaitteisto', False, False, False);
-- voucher 121, 20.8.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (222, 121, #8/20/2026#, 'TyEL-maksu 7/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (637, 222, 36, 0, 'D', 365.41, 'TyEL-maksu 7/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (638, 222, 19, 0, 'K', 365.41, 'TyEL-maksu 7/2026', False, False, False);
-- voucher 122, 24.8.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (223, 122, #8/24/2026#, 'Salibandymailat ja pallot', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (639, 223, 78, 3, 'D', 386.00, 'Salibandymailat ja pallot', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (640, 223, 19, 0, 'K', 386.00, 'Salibandymailat ja pallot', False, False, False);
-- voucher 123, 25.8.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (224, 123, #8/25/2026#, 'Palkka 8/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (641, 224, 55, 1, 'D', 1480.00, 'Palkka 8/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (642, 224, 58, 1, 'D', 257.37, 'Palkka 8/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (643, 224, 59, 1, 'D', 17.17, 'Palkka 8/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (644, 224, 60, 1, 'D', 2.96, 'Palkka 8/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (645, 224, 34, 0, 'K', 281.20, 'Palkka 8/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (646, 224, 35, 0, 'K', 17.17, 'Palkka 8/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (647, 224, 36, 0, 'K', 365.41, 'Palkka 8/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (648, 224, 37, 0, 'K', 16.13, 'Palkka 8/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (649, 224, 19, 0, 'K', 1077.59, 'Palkka 8/2026, toiminnanohjaaja', False, False, False);
-- voucher 124, 27.8.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (225, 124, #8/27/2026#, 'Tulostimen värikasetit ja paperi', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (650, 225, 74, 1, 'D', 112.30, 'Tulostimen värikasetit ja paperi', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (651, 225, 19, 0, 'K', 112.30, 'Tulostimen värikasetit ja paperi', False, False, False);
-- voucher 125, 31.8.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (226, 125, #8/31/2026#, 'Pankin palvelumaksut 8/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (652, 226, 83, 1, 'D', 11.20, 'Pankin palvelumaksut 8/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (653, 226, 19, 0, 'K', 11.20, 'Pankin palvelumaksut 8/2026', False, False, False);
-- voucher 126, 2.9.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (227, 126, #9/2/2026#, 'Kerhohuoneen vuokra 9/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (654, 227, 64, 1, 'D', 480.00, 'Kerhohuoneen vuokra 9/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (655, 227, 19, 0, 'K', 480.00, 'Kerhohuoneen vuokra 9/2026', False, False, False);
-- voucher 127, 4.9.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (228, 127, #9/4/2026#, 'Säätiön avustus nuorten ohjaajakoulutukseen', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (656, 228, 19, 0, 'D', 2000.00, 'Säätiön avustus nuorten ohjaajakoulutukseen', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (657, 228, 53, 4, 'K', 2000.00, 'Säätiön avustus nuorten ohjaajakoulutukseen', False, False, False);
-- voucher 128, 7.9.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (229, 128, #9/7/2026#, 'Salivuorot 9/2026, liikuntaryhmät', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (658, 229, 86, 3, 'D', 412.00, 'Salivuorot 9/2026, liikuntaryhmät', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (659, 229, 19, 0, 'K', 412.00, 'Salivuorot 9/2026, liikuntaryhmät', False, False, False);
-- voucher 129, 8.9.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (230, 129, #9/8/2026#, 'Liikuntaryhmien syyskauden maksuja, 34 osallistujaa', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (660, 230, 19, 0, 'D', 3060.00, 'Liikuntaryhmien syyskauden maksuja, 34 osallistujaa', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (661, 230, 48, 3, 'K', 3060.00, 'Liikuntaryhmien syyskauden maksuja, 34 osallistujaa', False, False, False);
-- voucher 130, 11.9.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (231, 130, #9/11/2026#, 'Syksyn kuntonyrkkeilykurssin kurssimaksuja, 7 osallistujaa', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (662, 231, 19, 0, 'D', 630.00, 'Syksyn kuntonyrkkeilykurssin kurssimaksuja, 7 osallistujaa', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (663, 231, 44, 4, 'K', 630.00, 'Syksyn kuntonyrkkeilykurssin kurssimaksuja, 7 osallistujaa', False, False, False);
-- voucher 131, 14.9.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (232, 131, #9/14/2026#, 'Jäsenmaksuja 2026, 3 aikuista ja 2 junioria', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (664, 232, 19, 0, 'D', 120.00, 'Jäsenmaksuja 2026, 3 aikuista ja 2 junioria', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (665, 232, 90, 2, 'K', 120.00, 'Jäsenmaksuja 2026, 3 aikuista ja 2 junioria', False, False, False);
-- voucher 132, 14.9.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (233, 132, #9/14/2026#, 'Oma-aloitteiset verot 8/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (666, 233, 34, 0, 'D', 281.20, 'Oma-aloitteiset verot 8/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (667, 233, 35, 0, 'D', 17.17, 'Oma-aloitteiset verot 8/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (668, 233, 19, 0, 'K', 298.37, 'Oma-aloitteiset verot 8/2026', False, False, False);
-- voucher 133, 15.9.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (234, 133, #9/15/2026#, 'Liikuntaryhmien syyskauden maksuja, 24 osallistujaa', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (669, 234, 19, 0, 'D', 2160.00, 'Liikuntaryhmien syyskauden maksuja, 24 osallistujaa', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (670, 234, 48, 3, 'K', 2160.00, 'Liikuntaryhmien syyskauden maksuja, 24 osallistujaa', False, False, False);
-- voucher 134, 21.9.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (235, 134, #9/21/2026#, 'TyEL-maksu 8/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (671, 235, 36, 0, 'D', 365.41, 'TyEL-maksu 8/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (672, 235, 19, 0, 'K', 365.41, 'TyEL-maksu 8/2026', False, False, False);
-- voucher 135, 23.9.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (236, 135, #9/23/2026#, 'Syysjuhlan esiintyjän lasku', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (673, 236, 72, 6, 'D', 300.00, 'Syysjuhlan esiintyjän lasku', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (674, 236, 19, 0, 'K', 300.00, 'Syysjuhlan esiintyjän lasku', False, False, False);
-- voucher 136, 24.9.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (237, 136, #9/24/2026#, 'Liikuntaryhmien syyskauden maksuja, 21 osallistujaa', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (675, 237, 19, 0, 'D', 1890.00, 'Liikuntaryhmien syyskauden maksuja, 21 osallistujaa', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (676, 237, 48, 3, 'K', 1890.00, 'Liikuntaryhmien syyskauden maksuja, 21 osallistujaa', False, False, False);
-- voucher 137, 25.9.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (238, 137, #9/25/2026#, 'Palkka 9/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (677, 238, 55, 1, 'D', 1480.00, 'Palkka 9/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (678, 238, 58, 1, 'D', 257.37, 'Palkka 9/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (679, 238, 59, 1, 'D', 17.17, 'Palkka 9/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (680, 238, 60, 1, 'D', 2.96, 'Palkka 9/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (681, 238, 34, 0, 'K', 281.20, 'Palkka 9/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (682, 238, 35, 0, 'K', 17.17, 'Palkka 9/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (683, 238, 36, 0, 'K', 365.41, 'Palkka 9/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (684, 238, 37, 0, 'K', 16.13, 'Palkka 9/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (685, 238, 19, 0, 'K', 1077.59, 'Palkka 9/2026, toiminnanohjaaja', False, False, False);
-- voucher 138, 25.9.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (239, 138, #9/25/2026#, 'Syksyn kuntonyrkkeilykurssin kurssimaksuja, 5 osallistujaa', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (686, 239, 19, 0, 'D', 450.00, 'Syksyn kuntonyrkkeilykurssin kurssimaksuja, 5 osallistujaa', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (687, 239, 44, 4, 'K', 450.00, 'Syksyn kuntonyrkkeilykurssin kurssimaksuja, 5 osallistujaa', False, False, False);
-- voucher 139, 26.9.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (240, 139, #9/26/2026#, 'Syysjuhlan pääsymaksut, käteinen', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (688, 240, 18, 0, 'D', 865.00, 'Syysjuhlan pääsymaksut, käteinen', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (689, 240, 46, 6, 'K', 865.00, 'Syysjuhlan pääsymaksut, käteinen', False, False, False);
-- voucher 140, 28.9.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (241, 140, #9/28/2026#, 'Nyrkkeilyhanskat ja pehmusteet, kurssi', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (690, 241, 71, 4, 'D', 348.90, 'Nyrkkeilyhanskat ja pehmusteet, kurssi', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (691, 241, 19, 0, 'K', 348.90, 'Nyrkkeilyhanskat ja pehmusteet, kurssi', False, False, False);
-- voucher 141, 28.9.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (242, 141, #9/28/2026#, 'Syysjuhlan käteisvarat pankkiin', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (692, 242, 19, 0, 'D', 865.00, 'Syysjuhlan käteisvarat pankkiin', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (693, 242, 18, 0, 'K', 865.00, 'Syysjuhlan käteisvarat pankkiin', False, False, False);
-- voucher 142, 28.9.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (243, 142, #9/28/2026#, 'Seurapaitojen myynti, 11 kpl', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (694, 243, 19, 0, 'D', 220.00, 'Seurapaitojen myynti, 11 kpl', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (695, 243, 94, 6, 'K', 220.00, 'Seurapaitojen myynti, 11 kpl', False, False, False);
-- voucher 143, 29.9.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (244, 143, #9/29/2026#, 'Syysjuhlan tarjoilut ja koristelu', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (696, 244, 72, 6, 'D', 142.80, 'Syysjuhlan tarjoilut ja koristelu', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (697, 244, 19, 0, 'K', 142.80, 'Syysjuhlan tarjoilut ja koristelu', False, False, False);
-- voucher 144, 30.9.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (245, 144, #9/30/2026#, 'Pankin palvelumaksut 9/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (698, 245, 83, 1, 'D', 11.20, 'Pankin palvelumaksut 9/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (699, 245, 19, 0, 'K', 11.20, 'Pankin palvelumaksut 9/2026', False, False, False);
-- voucher 145, 30.9.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (246, 145, #9/30/2026#, 'Kilometrikorvaukset, hallitus', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (700, 246, 68, 1, 'D', 58.20, 'Kilometrikorvaukset, hallitus', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (701, 246, 19, 0, 'K', 58.20, 'Kilometrikorvaukset, hallitus', False, False, False);
-- voucher 146, 2.10.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (247, 146, #10/2/2026#, 'Kerhohuoneen vuokra 10/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (702, 247, 64, 1, 'D', 480.00, 'Kerhohuoneen vuokra 10/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (703, 247, 19, 0, 'K', 480.00, 'Kerhohuoneen vuokra 10/2026', False, False, False);
-- voucher 147, 2.10.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (248, 147, #10/2/2026#, 'Syksyn kuntonyrkkeilykurssin kurssimaksuja, 5 osallistujaa', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (704, 248, 19, 0, 'D', 450.00, 'Syksyn kuntonyrkkeilykurssin kurssimaksuja, 5 osallistujaa', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (705, 248, 44, 4, 'K', 450.00, 'Syksyn kuntonyrkkeilykurssin kurssimaksuja, 5 osallistujaa', False, False, False);
-- voucher 148, 5.10.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (249, 148, #10/5/2026#, 'Ilmoitus jäsenlehteen 2/2026, urheiluliike', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (706, 249, 11, 0, 'D', 240.00, 'Ilmoitus jäsenlehteen 2/2026, urheiluliike', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (707, 249, 96, 2, 'K', 240.00, 'Ilmoitus jäsenlehteen 2/2026, urheiluliike', False, False, False);
-- voucher 149, 6.10.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (250, 149, #10/6/2026#, 'Salivuorot 10/2026, liikuntaryhmät', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (708, 250, 86, 3, 'D', 460.00, 'Salivuorot 10/2026, liikuntaryhmät', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (709, 250, 19, 0, 'K', 460.00, 'Salivuorot 10/2026, liikuntaryhmät', False, False, False);
-- voucher 150, 6.10.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (251, 150, #10/6/2026#, 'Liikuntaryhmien syyskauden maksuja, 13 osallistujaa', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (710, 251, 19, 0, 'D', 1170.00, 'Liikuntaryhmien syyskauden maksuja, 13 osallistujaa', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (711, 251, 48, 3, 'K', 1170.00, 'Liikuntaryhmien syyskauden maksuja, 13 osallistujaa', False, False, False);
-- voucher 151, 12.10.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (252, 151, #10/12/2026#, 'Oma-aloitteiset verot 9/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (712, 252, 34, 0, 'D', 281.20, 'Oma-aloitteiset verot 9/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (713, 252, 35, 0, 'D', 17.17, 'Oma-aloitteiset verot 9/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (714, 252, 19, 0, 'K', 298.37, 'Oma-aloitteiset verot 9/2026', False, False, False);
-- voucher 152, 14.10.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (253, 152, #10/14/2026#, 'Jäsenlehden 2/2026 painatus', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (715, 253, 73, 2, 'D', 702.80, 'Jäsenlehden 2/2026 painatus', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (716, 253, 19, 0, 'K', 702.80, 'Jäsenlehden 2/2026 painatus', False, False, False);
-- voucher 153, 16.10.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (254, 153, #10/16/2026#, 'Jäsenlehden 2/2026 postitus', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (717, 254, 76, 2, 'D', 318.60, 'Jäsenlehden 2/2026 postitus', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (718, 254, 19, 0, 'K', 318.60, 'Jäsenlehden 2/2026 postitus', False, False, False);
-- voucher 154, 19.10.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (255, 154, #10/19/2026#, 'Nuorten ohjaajakoulutus, osallistumismaksut', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (719, 255, 69, 4, 'D', 720.00, 'Nuorten ohjaajakoulutus, osallistumismaksut', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (720, 255, 19, 0, 'K', 720.00, 'Nuorten ohjaajakoulutus, osallistumismaksut', False, False, False);
-- voucher 155, 19.10.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (256, 155, #10/19/2026#, 'Puhelinliittymä 4. neljännes', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (721, 256, 75, 1, 'D', 45.90, 'Puhelinliittymä 4. neljännes', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (722, 256, 19, 0, 'K', 45.90, 'Puhelinliittymä 4. neljännes', False, False, False);
-- voucher 156, 20.10.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (257, 156, #10/20/2026#, 'Liikuntaryhmien syyskauden maksuja, 9 osallistujaa', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (723, 257, 19, 0, 'D', 810.00, 'Liikuntaryhmien syyskauden maksuja, 9 osallistujaa', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (724, 257, 48, 3, 'K', 810.00, 'Liikuntaryhmien syyskauden maksuja, 9 osallistujaa', False, False, False);
-- voucher 157, 20.10.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (258, 157, #10/20/2026#, 'TyEL-maksu 9/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (725, 258, 36, 0, 'D', 365.41, 'TyEL-maksu 9/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (726, 258, 19, 0, 'K', 365.41, 'TyEL-maksu 9/2026', False, False, False);
-- voucher 158, 22.10.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (259, 158, #10/22/2026#, 'Työttömyysvakuutusmaksu 7-9/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (727, 259, 37, 0, 'D', 48.39, 'Työttömyysvakuutusmaksu 7-9/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (728, 259, 19, 0, 'K', 48.39, 'Työttömyysvakuutusmaksu 7-9/2026', False, False, False);
-- voucher 159, 26.10.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (260, 159, #10/26/2026#, 'Palkka 10/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (729, 260, 55, 1, 'D', 1480.00, 'Palkka 10/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (730, 260, 58, 1, 'D', 257.37, 'Palkka 10/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (731, 260, 59, 1, 'D', 17.17, 'Palkka 10/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (732, 260, 60, 1, 'D', 2.96, 'Palkka 10/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (733, 260, 34, 0, 'K', 281.20, 'Palkka 10/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (734, 260, 35, 0, 'K', 17.17, 'Palkka 10/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (735, 260, 36, 0, 'K', 365.41, 'Palkka 10/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (736, 260, 37, 0, 'K', 16.13, 'Palkka 10/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (737, 260, 19, 0, 'K', 1077.59, 'Palkka 10/2026, toiminnanohjaaja', False, False, False);
-- voucher 160, 30.10.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (261, 160, #10/30/2026#, 'Pankin palvelumaksut 10/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (738, 261, 83, 1, 'D', 11.20, 'Pankin palvelumaksut 10/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (739, 261, 19, 0, 'K', 11.20, 'Pankin palvelumaksut 10/2026', False, False, False);
-- voucher 161, 30.10.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (262, 161, #10/30/2026#, 'Kouluttajapalkkio, kuntonyrkkeilykurssi lokakuu', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (740, 262, 57, 4, 'D', 420.00, 'Kouluttajapalkkio, kuntonyrkkeilykurssi lokakuu', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (741, 262, 59, 4, 'D', 4.87, 'Kouluttajapalkkio, kuntonyrkkeilykurssi lokakuu', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (742, 262, 34, 0, 'K', 105.00, 'Kouluttajapalkkio, kuntonyrkkeilykurssi lokakuu', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (743, 262, 35, 0, 'K', 4.87, 'Kouluttajapalkkio, kuntonyrkkeilykurssi lokakuu', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (744, 262, 19, 0, 'K', 315.00, 'Kouluttajapalkkio, kuntonyrkkeilykurssi lokakuu', False, False, False);
-- voucher 162, 2.11.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (263, 162, #11/2/2026#, 'Kerhohuoneen vuokra 11/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (745, 263, 64, 1, 'D', 480.00, 'Kerhohuoneen vuokra 11/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (746, 263, 19, 0, 'K', 480.00, 'Kerhohuoneen vuokra 11/2026', False, False, False);
-- voucher 163, 5.11.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (264, 163, #11/5/2026#, 'Toimistotarvikkeet', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (747, 264, 74, 1, 'D', 36.90, 'Toimistotarvikkeet', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (748, 264, 19, 0, 'K', 36.90, 'Toimistotarvikkeet', False, False, False);
-- voucher 164, 6.11.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (265, 164, #11/6/2026#, 'Salivuorot 11/2026, liikuntaryhmät', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (749, 265, 86, 3, 'D', 388.00, 'Salivuorot 11/2026, liikuntaryhmät', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (750, 265, 19, 0, 'K', 388.00, 'Salivuorot 11/2026, liikuntaryhmät', False, False, False);
-- voucher 165, 12.11.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (266, 165, #11/12/2026#, 'Oma-aloitteiset verot 10/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (751, 266, 34, 0, 'D', 386.20, 'Oma-aloitteiset verot 10/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (752, 266, 35, 0, 'D', 22.04, 'Oma-aloitteiset verot 10/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (753, 266, 19, 0, 'K', 408.24, 'Oma-aloitteiset verot 10/2026', False, False, False);
-- voucher 166, 16.11.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (267, 166, #11/16/2026#, 'Hallituksen koulutuspäivä, taloushallinto', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (754, 267, 69, 1, 'D', 180.00, 'Hallituksen koulutuspäivä, taloushallinto', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (755, 267, 19, 0, 'K', 180.00, 'Hallituksen koulutuspäivä, taloushallinto', False, False, False);
-- voucher 167, 16.11.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (268, 167, #11/16/2026#, 'Ilmoitus jäsenlehteen 2/2026, kirjakauppa', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (756, 268, 11, 0, 'D', 300.00, 'Ilmoitus jäsenlehteen 2/2026, kirjakauppa', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (757, 268, 96, 2, 'K', 300.00, 'Ilmoitus jäsenlehteen 2/2026, kirjakauppa', False, False, False);
-- voucher 168, 19.11.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (269, 168, #11/19/2026#, 'Maksu: ilmoitus jäsenlehteen 2/2026, urheiluliike', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (758, 269, 19, 0, 'D', 240.00, 'Maksu: ilmoitus jäsenlehteen 2/2026, urheiluliike', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (759, 269, 11, 0, 'K', 240.00, 'Maksu: ilmoitus jäsenlehteen 2/2026, urheiluliike', False, False, False);
-- voucher 169, 19.11.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (270, 169, #11/19/2026#, 'Syyskokouksen kahvitarjoilu', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (760, 270, 66, 1, 'D', 162.80, 'Syyskokouksen kahvitarjoilu', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (761, 270, 19, 0, 'K', 162.80, 'Syyskokouksen kahvitarjoilu', False, False, False);
-- voucher 170, 20.11.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (271, 170, #11/20/2026#, 'TyEL-maksu 10/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (762, 271, 36, 0, 'D', 365.41, 'TyEL-maksu 10/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (763, 271, 19, 0, 'K', 365.41, 'TyEL-maksu 10/2026', False, False, False);
-- voucher 171, 24.11.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (272, 171, #11/24/2026#, 'Muistaminen, kunniajäsen 80 v', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (764, 272, 84, 2, 'D', 80.00, 'Muistaminen, kunniajäsen 80 v', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (765, 272, 19, 0, 'K', 80.00, 'Muistaminen, kunniajäsen 80 v', False, False, False);
-- voucher 172, 25.11.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (273, 172, #11/25/2026#, 'Palkka 11/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (766, 273, 55, 1, 'D', 1480.00, 'Palkka 11/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (767, 273, 58, 1, 'D', 257.37, 'Palkka 11/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (768, 273, 59, 1, 'D', 17.17, 'Palkka 11/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (769, 273, 60, 1, 'D', 2.96, 'Palkka 11/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (770, 273, 34, 0, 'K', 281.20, 'Palkka 11/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (771, 273, 35, 0, 'K', 17.17, 'Palkka 11/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (772, 273, 36, 0, 'K', 365.41, 'Palkka 11/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (773, 273, 37, 0, 'K', 16.13, 'Palkka 11/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (774, 273, 19, 0, 'K', 1077.59, 'Palkka 11/2026, toiminnanohjaaja', False, False, False);
-- voucher 173, 27.11.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (274, 173, #11/27/2026#, 'Kilometrikorvaukset, liikuntaryhmien ohjaajat', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (775, 274, 68, 3, 'D', 97.80, 'Kilometrikorvaukset, liikuntaryhmien ohjaajat', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (776, 274, 19, 0, 'K', 97.80, 'Kilometrikorvaukset, liikuntaryhmien ohjaajat', False, False, False);
-- voucher 174, 30.11.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (275, 174, #11/30/2026#, 'Pankin palvelumaksut 11/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (777, 275, 83, 1, 'D', 12.60, 'Pankin palvelumaksut 11/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (778, 275, 19, 0, 'K', 12.60, 'Pankin palvelumaksut 11/2026', False, False, False);
-- voucher 175, 30.11.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (276, 175, #11/30/2026#, 'Kouluttajapalkkio, kuntonyrkkeilykurssi marraskuu', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (779, 276, 57, 4, 'D', 420.00, 'Kouluttajapalkkio, kuntonyrkkeilykurssi marraskuu', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (780, 276, 59, 4, 'D', 4.87, 'Kouluttajapalkkio, kuntonyrkkeilykurssi marraskuu', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (781, 276, 34, 0, 'K', 105.00, 'Kouluttajapalkkio, kuntonyrkkeilykurssi marraskuu', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (782, 276, 35, 0, 'K', 4.87, 'Kouluttajapalkkio, kuntonyrkkeilykurssi marraskuu', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (783, 276, 19, 0, 'K', 315.00, 'Kouluttajapalkkio, kuntonyrkkeilykurssi marraskuu', False, False, False);
-- voucher 176, 2.12.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (277, 176, #12/2/2026#, 'Kerhohuoneen vuokra 12/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (784, 277, 64, 1, 'D', 480.00, 'Kerhohuoneen vuokra 12/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (785, 277, 19, 0, 'K', 480.00, 'Kerhohuoneen vuokra 12/2026', False, False, False);
-- voucher 177, 2.12.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (278, 177, #12/2/2026#, 'Arpajaisvoitot, joulumyyjäiset', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (786, 278, 101, 6, 'D', 184.30, 'Arpajaisvoitot, joulumyyjäiset', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (787, 278, 19, 0, 'K', 184.30, 'Arpajaisvoitot, joulumyyjäiset', False, False, False);
-- voucher 178, 3.12.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (279, 178, #12/3/2026#, 'Joulumyyjäisten pöytävuokrat ja tarvikkeet', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (788, 279, 102, 6, 'D', 268.40, 'Joulumyyjäisten pöytävuokrat ja tarvikkeet', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (789, 279, 19, 0, 'K', 268.40, 'Joulumyyjäisten pöytävuokrat ja tarvikkeet', False, False, False);
-- voucher 179, 5.12.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (280, 179, #12/5/2026#, 'Joulumyyjäisten myyntituotot, käteinen', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (790, 280, 18, 0, 'D', 2156.50, 'Joulumyyjäisten myyntituotot, käteinen', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (791, 280, 97, 6, 'K', 2156.50, 'Joulumyyjäisten myyntituotot, käteinen', False, False, False);
-- voucher 180, 5.12.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (281, 180, #12/5/2026#, 'Joulumyyjäisten arpajaiset, käteinen', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (792, 281, 18, 0, 'D', 642.00, 'Joulumyyjäisten arpajaiset, käteinen', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (793, 281, 95, 6, 'K', 642.00, 'Joulumyyjäisten arpajaiset, käteinen', False, False, False);
-- voucher 181, 7.12.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (282, 181, #12/7/2026#, 'Salivuorot 12/2026, liikuntaryhmät', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (794, 282, 86, 3, 'D', 460.00, 'Salivuorot 12/2026, liikuntaryhmät', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (795, 282, 19, 0, 'K', 460.00, 'Salivuorot 12/2026, liikuntaryhmät', False, False, False);
-- voucher 182, 7.12.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (283, 182, #12/7/2026#, 'Seurapaitojen myynti, 16 kpl', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (796, 283, 19, 0, 'D', 320.00, 'Seurapaitojen myynti, 16 kpl', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (797, 283, 94, 6, 'K', 320.00, 'Seurapaitojen myynti, 16 kpl', False, False, False);
-- voucher 183, 8.12.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (284, 183, #12/8/2026#, 'Joulumyyjäisten käteisvarat pankkiin', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (798, 284, 19, 0, 'D', 2798.50, 'Joulumyyjäisten käteisvarat pankkiin', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (799, 284, 18, 0, 'K', 2798.50, 'Joulumyyjäisten käteisvarat pankkiin', False, False, False);
-- voucher 184, 11.12.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (285, 184, #12/11/2026#, 'Joululahjoitus', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (800, 285, 19, 0, 'D', 100.00, 'Joululahjoitus', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (801, 285, 92, 2, 'K', 100.00, 'Joululahjoitus', False, False, False);
-- voucher 185, 14.12.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (286, 185, #12/14/2026#, 'Junioristipendit, 3 x 200 euroa', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (802, 286, 89, 2, 'D', 600.00, 'Junioristipendit, 3 x 200 euroa', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (803, 286, 19, 0, 'K', 600.00, 'Junioristipendit, 3 x 200 euroa', False, False, False);
-- voucher 186, 14.12.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (287, 186, #12/14/2026#, 'Oma-aloitteiset verot 11/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (804, 287, 34, 0, 'D', 386.20, 'Oma-aloitteiset verot 11/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (805, 287, 35, 0, 'D', 22.04, 'Oma-aloitteiset verot 11/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (806, 287, 19, 0, 'K', 408.24, 'Oma-aloitteiset verot 11/2026', False, False, False);
-- voucher 187, 21.12.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (288, 187, #12/21/2026#, 'TyEL-maksu 11/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (807, 288, 36, 0, 'D', 365.41, 'TyEL-maksu 11/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (808, 288, 19, 0, 'K', 365.41, 'TyEL-maksu 11/2026', False, False, False);
-- voucher 188, 22.12.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (289, 188, #12/22/2026#, 'Palkka 12/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (809, 289, 55, 1, 'D', 1480.00, 'Palkka 12/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (810, 289, 58, 1, 'D', 257.37, 'Palkka 12/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (811, 289, 59, 1, 'D', 17.17, 'Palkka 12/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (812, 289, 60, 1, 'D', 2.96, 'Palkka 12/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (813, 289, 34, 0, 'K', 281.20, 'Palkka 12/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (814, 289, 35, 0, 'K', 17.17, 'Palkka 12/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (815, 289, 36, 0, 'K', 365.41, 'Palkka 12/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (816, 289, 37, 0, 'K', 16.13, 'Palkka 12/2026, toiminnanohjaaja', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (817, 289, 19, 0, 'K', 1077.59, 'Palkka 12/2026, toiminnanohjaaja', False, False, False);
-- voucher 189, 31.12.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (290, 189, #12/31/2026#, 'Pankin palvelumaksut 12/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (818, 290, 83, 1, 'D', 9.80, 'Pankin palvelumaksut 12/2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (819, 290, 19, 0, 'K', 9.80, 'Pankin palvelumaksut 12/2026', False, False, False);
-- voucher 190, 31.12.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (291, 190, #12/31/2026#, 'Säästötilin korko 2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (820, 291, 20, 0, 'D', 246.15, 'Säästötilin korko 2026', False, False, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (821, 291, 104, 1, 'K', 246.15, 'Säästötilin korko 2026', False, False, False);
-- voucher 191, 31.12.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (292, 191, #12/31/2026#, 'Suunnitelman mukaiset poistot 2026, koneet ja kalusto 25 % menojäännöksestä', False, True, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (822, 292, 63, 1, 'D', 1257.50, 'Suunnitelman mukaiset poistot 2026, koneet ja kalusto 25 % menojäännöksestä', False, True, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (823, 292, 5, 0, 'K', 1257.50, 'Suunnitelman mukaiset poistot 2026, koneet ja kalusto 25 % menojäännöksestä', False, True, False);
-- voucher 192, 31.12.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (293, 192, #12/31/2026#, 'Lomapalkkajaksotus 31.12.2026', False, True, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (824, 293, 56, 1, 'D', 1142.00, 'Lomapalkkajaksotus 31.12.2026', False, True, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (825, 293, 41, 0, 'K', 1142.00, 'Lomapalkkajaksotus 31.12.2026', False, True, False);
-- voucher 193, 31.12.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (294, 193, #12/31/2026#, 'Toiminnantarkastuksen palkkio 2026, siirtovelka', False, True, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (826, 294, 81, 1, 'D', 260.00, 'Toiminnantarkastuksen palkkio 2026, siirtovelka', False, True, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (827, 294, 40, 0, 'K', 260.00, 'Toiminnantarkastuksen palkkio 2026, siirtovelka', False, True, False);
-- voucher 194, 31.12.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (295, 194, #12/31/2026#, 'Säätiön avustuksen käyttämätön osa seuraavalle tilikaudelle', False, True, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (828, 295, 53, 4, 'D', 800.00, 'Säätiön avustuksen käyttämätön osa seuraavalle tilikaudelle', False, True, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (829, 295, 42, 0, 'K', 800.00, 'Säätiön avustuksen käyttämätön osa seuraavalle tilikaudelle', False, True, False);
-- voucher 195, 31.12.2026
INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) VALUES (296, 195, #12/31/2026#, 'Seurapaitavaraston muutos 2026', False, True, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (830, 296, 10, 0, 'D', 23.00, 'Seurapaitavaraston muutos 2026', False, True, False);
INSERT INTO vi (viID, vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (831, 296, 100, 6, 'K', 23.00, 'Seurapaitavaraston muutos 2026', False, True, False);

-- Budgets, per account and month of the financial year. Income is entered
-- as positive and expenses as negative amounts, so that both show with the
-- sign of the income statement. Current year 2026, previous year 2025 and
-- a first outline of 2027 for the main accounts.
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (1, 44, 0.00, 0.00, 1010.00, 0.00, 0.00, 0.00, 0.00, 0.00, 1240.00, 0.00, 0.00, 0.00, True, False, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (2, 45, 0.00, 0.00, 0.00, 3050.00, 2890.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, True, False, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (3, 46, 0.00, 0.00, 0.00, 0.00, 1110.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, True, False, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (4, 48, 3060.00, 3500.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 3250.00, 4040.00, 0.00, 0.00, True, False, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (5, 51, 0.00, 0.00, 0.00, 0.00, 0.00, 1110.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, True, False, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (6, 53, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 1470.00, 0.00, 0.00, 0.00, True, False, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (7, 55, -1350.00, -1350.00, -1350.00, -1350.00, -1350.00, -1350.00, -1350.00, -1350.00, -1350.00, -1350.00, -1350.00, -1350.00, True, False, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (8, 57, 0.00, 0.00, 0.00, -680.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, -760.00, 0.00, True, False, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (9, 58, -230.00, -230.00, -230.00, -230.00, -230.00, -230.00, -230.00, -230.00, -230.00, -230.00, -230.00, -230.00, True, False, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (10, 59, -20.00, -20.00, -20.00, -20.00, -20.00, -20.00, -20.00, -20.00, -20.00, -20.00, -30.00, -20.00, True, False, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (11, 60, -140.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, True, False, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (12, 63, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, -790.00, True, False, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (13, 64, -1390.00, 0.00, 0.00, -1390.00, 0.00, 0.00, -1390.00, 0.00, 0.00, -1390.00, 0.00, 0.00, True, False, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (14, 66, 0.00, 0.00, 0.00, -150.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, -160.00, 0.00, True, False, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (15, 67, 0.00, 0.00, 0.00, 0.00, 0.00, -730.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, True, False, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (16, 68, 0.00, 0.00, 0.00, 0.00, 0.00, -160.00, 0.00, 0.00, 0.00, 0.00, -120.00, 0.00, True, False, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (17, 69, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, -650.00, 0.00, 0.00, True, False, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (18, 70, 0.00, 0.00, 0.00, 0.00, 0.00, -4950.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, True, False, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (19, 72, 0.00, 0.00, 0.00, 0.00, -610.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, True, False, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (20, 73, 0.00, 0.00, -930.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, True, False, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (21, 74, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, -130.00, 0.00, 0.00, 0.00, 0.00, True, False, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (22, 75, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, -170.00, True, False, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (23, 77, -400.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, True, False, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (24, 79, 0.00, -910.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, True, False, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (25, 80, -370.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, True, False, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (26, 81, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, -230.00, True, False, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (27, 83, 0.00, 0.00, -30.00, 0.00, 0.00, -30.00, 0.00, 0.00, -30.00, 0.00, 0.00, -30.00, True, False, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (28, 86, 0.00, -2130.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, -1290.00, 0.00, -410.00, True, False, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (29, 89, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, -380.00, True, False, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (30, 90, 0.00, 4300.00, 880.00, 500.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, True, False, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (31, 91, 0.00, 0.00, 510.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, True, False, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (32, 92, 0.00, 0.00, 0.00, 0.00, 0.00, 980.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, True, False, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (33, 94, 0.00, 0.00, 0.00, 0.00, 240.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 300.00, True, False, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (34, 96, 0.00, 0.00, 390.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 220.00, 0.00, True, False, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (35, 97, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 2240.00, True, False, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (36, 102, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, -220.00, True, False, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (37, 104, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 220.00, True, False, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (38, 114, 0.00, 0.00, 0.00, 6130.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, True, False, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (39, 44, 0.00, 820.00, 410.00, 0.00, 0.00, 0.00, 0.00, 0.00, 1050.00, 440.00, 0.00, 0.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (40, 45, 0.00, 0.00, 0.00, 2190.00, 4560.00, 730.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (41, 46, 0.00, 0.00, 0.00, 0.00, 1230.00, 0.00, 0.00, 0.00, 860.00, 0.00, 0.00, 0.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (42, 48, 5760.00, 1970.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 6880.00, 1920.00, 0.00, 0.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (43, 51, 0.00, 0.00, 0.00, 0.00, 0.00, 1260.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (44, 53, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 2060.00, 0.00, 0.00, 0.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (45, 55, -1420.00, -1420.00, -1420.00, -1420.00, -1420.00, -1420.00, -1420.00, -1420.00, -1420.00, -1420.00, -1420.00, -1420.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (46, 57, 0.00, 0.00, -360.00, -360.00, 0.00, 0.00, 0.00, 0.00, 0.00, -430.00, -430.00, 0.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (47, 58, -260.00, -260.00, -260.00, -260.00, -260.00, -260.00, -260.00, -260.00, -260.00, -260.00, -260.00, -260.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (48, 59, -20.00, -20.00, -20.00, -20.00, -20.00, -20.00, -20.00, -20.00, -20.00, -20.00, -20.00, -20.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (49, 60, -170.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (50, 63, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, -1210.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (51, 64, -520.00, -520.00, -520.00, -520.00, -520.00, -520.00, -520.00, -520.00, -520.00, -520.00, -520.00, -520.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (52, 66, 0.00, -50.00, 0.00, -140.00, 0.00, 0.00, 0.00, -60.00, 0.00, 0.00, -150.00, 0.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (53, 67, 0.00, 0.00, 0.00, 0.00, 0.00, -810.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (54, 68, 0.00, 0.00, -90.00, 0.00, 0.00, -140.00, 0.00, 0.00, -60.00, 0.00, -100.00, 0.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (55, 69, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, -680.00, -170.00, 0.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (56, 70, 0.00, 0.00, 0.00, 0.00, 0.00, -5580.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (57, 71, 0.00, 0.00, -120.00, 0.00, 0.00, -290.00, 0.00, 0.00, -320.00, 0.00, 0.00, 0.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (58, 72, 0.00, 0.00, 0.00, 0.00, -650.00, 0.00, 0.00, 0.00, -450.00, 0.00, 0.00, 0.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (59, 73, 0.00, 0.00, -710.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, -730.00, 0.00, 0.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (60, 74, 0.00, -50.00, 0.00, 0.00, 0.00, 0.00, 0.00, -110.00, 0.00, 0.00, -40.00, 0.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (61, 75, -50.00, 0.00, 0.00, -50.00, 0.00, 0.00, -50.00, 0.00, 0.00, -50.00, 0.00, 0.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (62, 76, 0.00, 0.00, -300.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, -310.00, 0.00, 0.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (63, 77, -190.00, 0.00, 0.00, -250.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (64, 78, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, -390.00, 0.00, 0.00, 0.00, 0.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (65, 79, 0.00, -990.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (66, 80, -420.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (67, 81, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, -270.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (68, 83, -10.00, -10.00, -10.00, -10.00, -10.00, -10.00, -10.00, -10.00, -10.00, -10.00, -10.00, -10.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (69, 84, 0.00, 0.00, 0.00, 0.00, -60.00, 0.00, 0.00, 0.00, 0.00, 0.00, -80.00, 0.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (70, 86, -470.00, -420.00, -470.00, -470.00, -420.00, 0.00, 0.00, 0.00, -420.00, -470.00, -400.00, -470.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (71, 89, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, -560.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (72, 90, 220.00, 4880.00, 990.00, 290.00, 0.00, 0.00, 0.00, 0.00, 120.00, 0.00, 0.00, 0.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (73, 91, 0.00, 0.00, 310.00, 310.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (74, 92, 0.00, 270.00, 0.00, 0.00, 0.00, 540.00, 0.00, 0.00, 0.00, 0.00, 0.00, 110.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (75, 94, 0.00, 0.00, 170.00, 0.00, 290.00, 190.00, 0.00, 0.00, 230.00, 0.00, 0.00, 340.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (76, 95, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 620.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (77, 96, 0.00, 0.00, 410.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 240.00, 290.00, 0.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (78, 97, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 2210.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (79, 99, 0.00, 0.00, -640.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (80, 101, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, -180.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (81, 102, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, -250.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (82, 104, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 230.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (83, 114, 0.00, 0.00, 0.00, 6040.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, False, True, False);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (84, 44, 0.00, 840.00, 420.00, 0.00, 0.00, 0.00, 0.00, 0.00, 1080.00, 450.00, 0.00, 0.00, False, False, True);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (85, 45, 0.00, 0.00, 0.00, 2260.00, 4700.00, 750.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, False, False, True);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (86, 48, 5930.00, 2030.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 7090.00, 1980.00, 0.00, 0.00, False, False, True);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (87, 55, -1460.00, -1460.00, -1460.00, -1460.00, -1460.00, -1460.00, -1460.00, -1460.00, -1460.00, -1460.00, -1460.00, -1460.00, False, False, True);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (88, 58, -270.00, -270.00, -270.00, -270.00, -270.00, -270.00, -270.00, -270.00, -270.00, -270.00, -270.00, -270.00, False, False, True);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (89, 59, -20.00, -20.00, -20.00, -20.00, -20.00, -20.00, -20.00, -20.00, -20.00, -20.00, -20.00, -20.00, False, False, True);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (90, 64, -540.00, -540.00, -540.00, -540.00, -540.00, -540.00, -540.00, -540.00, -540.00, -540.00, -540.00, -540.00, False, False, True);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (91, 70, 0.00, 0.00, 0.00, 0.00, 0.00, -5750.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, False, False, True);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (92, 73, 0.00, 0.00, -730.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, -750.00, 0.00, 0.00, False, False, True);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (93, 86, -480.00, -430.00, -480.00, -480.00, -430.00, 0.00, 0.00, 0.00, -430.00, -480.00, -410.00, -480.00, False, False, True);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (94, 90, 230.00, 5030.00, 1020.00, 300.00, 0.00, 0.00, 0.00, 0.00, 120.00, 0.00, 0.00, 0.00, False, False, True);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (95, 91, 0.00, 0.00, 320.00, 320.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, False, False, True);
INSERT INTO bu (buID, butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, buKuukausi11, buKuukausi12, buEdellinen, buNykyinen, buTuleva) VALUES (96, 114, 0.00, 0.00, 0.00, 6220.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, False, False, True);

-- Voucher templates with quick choices 1 to 3.
INSERT INTO tpPohjat (tpID, Nimi, Selite, Pikavalinta) VALUES (1, 'Jäsenmaksu', 'Jäsenmaksu', 1);
INSERT INTO vipPohjat (vipID, viptlID, viptpID, vipTyyppi, vipArvo, vipkpID) VALUES (1, 19, 1, 'D', 30.00, 0);
INSERT INTO vipPohjat (vipID, viptlID, viptpID, vipTyyppi, vipArvo, vipkpID) VALUES (2, 90, 1, 'K', 30.00, 2);
INSERT INTO tpPohjat (tpID, Nimi, Selite, Pikavalinta) VALUES (2, 'Pankin palvelumaksu', 'Pankin palvelumaksut', 2);
INSERT INTO vipPohjat (vipID, viptlID, viptpID, vipTyyppi, vipArvo, vipkpID) VALUES (3, 83, 2, 'D', 9.80, 1);
INSERT INTO vipPohjat (vipID, viptlID, viptpID, vipTyyppi, vipArvo, vipkpID) VALUES (4, 19, 2, 'K', 9.80, 0);
INSERT INTO tpPohjat (tpID, Nimi, Selite, Pikavalinta) VALUES (3, 'Palkanmaksu', 'Palkka, toiminnanohjaaja', 3);
INSERT INTO vipPohjat (vipID, viptlID, viptpID, vipTyyppi, vipArvo, vipkpID) VALUES (5, 55, 3, 'D', 1480.00, 1);
INSERT INTO vipPohjat (vipID, viptlID, viptpID, vipTyyppi, vipArvo, vipkpID) VALUES (6, 58, 3, 'D', 257.37, 1);
INSERT INTO vipPohjat (vipID, viptlID, viptpID, vipTyyppi, vipArvo, vipkpID) VALUES (7, 59, 3, 'D', 17.17, 1);
INSERT INTO vipPohjat (vipID, viptlID, viptpID, vipTyyppi, vipArvo, vipkpID) VALUES (8, 60, 3, 'D', 2.96, 1);
INSERT INTO vipPohjat (vipID, viptlID, viptpID, vipTyyppi, vipArvo, vipkpID) VALUES (9, 34, 3, 'K', 281.20, 0);
INSERT INTO vipPohjat (vipID, viptlID, viptpID, vipTyyppi, vipArvo, vipkpID) VALUES (10, 35, 3, 'K', 17.17, 0);
INSERT INTO vipPohjat (vipID, viptlID, viptpID, vipTyyppi, vipArvo, vipkpID) VALUES (11, 36, 3, 'K', 365.41, 0);
INSERT INTO vipPohjat (vipID, viptlID, viptpID, vipTyyppi, vipArvo, vipkpID) VALUES (12, 37, 3, 'K', 16.13, 0);
INSERT INTO vipPohjat (vipID, viptlID, viptpID, vipTyyppi, vipArvo, vipkpID) VALUES (13, 19, 3, 'K', 1077.59, 0);
