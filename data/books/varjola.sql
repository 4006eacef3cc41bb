-- Varjola: the template book for a national youth-work federation
-- (nuorisotyön keskusjärjestö) whose members are youth organisations and
-- their district associations. The federation holds camps, courses and
-- events, runs projects with earmarked grants, keeps a camp site, trains
-- volunteers and supports its member organisations.
--
-- The chart follows the thousands of Finnish association books:
--   1000-1999 vastaavaa, 2000-2999 vastattavaa,
--   3000-3999 varsinaisen toiminnan tuotot (leirit, koulutus, tapahtumat,
--             palvelut jäsenjärjestöille, hankeavustukset),
--   4000-4999 varsinaisen toiminnan kulut,
--   5000-5999 varainhankinta (tuotot 5000-5499, kulut 5500-5999),
--   6000-6999 sijoitus- ja rahoitustoiminta (the camp site let to others
--             included),
--   7000-7999 yleisavustukset,
--   8000-8999 tilinpäätössiirrot ja tuloverot,
--   9990      the income statement's profit account.
--
-- Account 2090 is the balance-sheet profit account (setting VoittoTaseella)
-- and account 9990 the profit account of the income statement's profit row;
-- the two must differ. Model 2 (balance sheet) books the profit of model 1
-- once a book sets maTulosMaID, which the schema upgrade adds.

-- Chart of accounts. Keys follow the account numbers so that the
-- model rows below can name the accounts by key.
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (1, 1010, 'Aineettomat oikeudet', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (2, 1050, 'Muut pitkävaikutteiset menot', 'Esim. vuokratilan perusparannukset', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (3, 1100, 'Maa- ja vesialueet', 'Leiripaikan maa-alue', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (4, 1120, 'Rakennukset ja rakennelmat', 'Leiripaikan rakennukset', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (5, 1150, 'Koneet ja kalusto', 'Aktivoitavat kone- ja kalustohankinnat, menojäännöspoisto', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (6, 1160, 'Leirivarusteet', 'Teltat, veneet ja muut aktivoidut leirivarusteet', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (7, 1200, 'Osakkeet ja osuudet', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (8, 1250, 'Muut sijoitukset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (9, 1420, 'Myytävät tuotteet', 'Materiaali- ja tuotemyynnin varasto', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (10, 1500, 'Myyntisaamiset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (11, 1510, 'Jäsenmaksusaamiset', 'Jäsenjärjestöjen maksamattomat jäsenmaksut', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (12, 1530, 'Lainasaamiset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (13, 1550, 'Avustussaamiset', 'Myönnetyt, vielä maksamatta olevat avustukset', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (14, 1560, 'Muut saamiset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (15, 1570, 'Siirtosaamiset', 'Tilikaudelle kuuluvat tuotot ja ennakkoon maksetut kulut', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (16, 1700, 'Rahoitusarvopaperit', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (17, 1900, 'Kassa', 'Käteisvarat', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (18, 1910, 'Pankkitili, käyttötili', 'Järjestön pääasiallinen maksuliikennetili', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (19, 1920, 'Pankkitili, säästötili', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (20, 1930, 'Pankkitili, hanketili', 'Hankkeiden erillinen maksuliikennetili', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (21, 1940, 'Pankkitili, leiritili', 'Leirimaksujen maksuliikenne', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (22, 2010, 'Sidotut rahastot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (23, 2020, 'Vapaat rahastot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (24, 2030, 'Leiripaikkarahasto', 'Leiripaikan korjauksiin varatut varat', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (25, 2050, 'Edellisten tilikausien yli-/alijäämä', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (26, 2090, 'Tilikauden yli-/alijäämä', 'Taseen tulostili: tilikauden tulos kirjautuu tälle tilille automaattisesti', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (27, 2100, 'Poistoero', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (28, 2150, 'Vapaaehtoiset varaukset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (29, 2200, 'Pakolliset varaukset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (30, 2300, 'Pitkäaikaiset lainat rahoituslaitoksilta', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (31, 2350, 'Muut pitkäaikaiset velat', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (32, 2400, 'Lyhytaikaiset lainat rahoituslaitoksilta', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (33, 2450, 'Saadut ennakot', 'Ennakkoon maksetut leiri- ja kurssimaksut', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (34, 2500, 'Ostovelat', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (35, 2610, 'Ennakonpidätysvelka', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (36, 2620, 'Sosiaaliturvamaksuvelka', 'Työnantajan sairausvakuutusmaksu', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (37, 2630, 'Eläkevakuutusmaksuvelka', 'TyEL-maksut, työnantajan ja työntekijän osuus', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (38, 2640, 'Työttömyysvakuutusmaksuvelka', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (39, 2650, 'Arvonlisäverovelka', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (40, 2680, 'Muut lyhytaikaiset velat', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (41, 2700, 'Siirtovelat', 'Tilikaudelle kuuluvat maksamattomat kulut', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (42, 2710, 'Lomapalkkavelka', 'Lomapalkkajaksotus sivukuluineen', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (43, 2750, 'Käyttämättömät hankeavustukset', 'Seuraavalle tilikaudelle siirtyvät hanke- ja kohdeavustukset', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (44, 3000, 'Leirimaksut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (45, 3010, 'Kurssi- ja koulutusmaksut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (46, 3020, 'Tapahtumien osallistumismaksut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (47, 3030, 'Materiaalien ja julkaisujen myynti', 'Ohjaajamateriaalit ja toimintaoppaat', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (48, 3040, 'Palvelumaksut jäsenjärjestöiltä', 'Koulutus-, tieto- ja hallintopalvelut jäsenjärjestöille', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (49, 3050, 'Tulotili 1', 'Nimeä järjestön oman toimintamuodon mukaan', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (50, 3100, 'Valtion hankeavustukset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (51, 3110, 'Säätiöiden ja rahastojen hankeavustukset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (52, 3120, 'Kansainvälisen nuorisovaihdon avustukset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (53, 3190, 'Muut varsinaisen toiminnan tuotot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (54, 4000, 'Palkat ja palkkiot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (55, 4010, 'Lomapalkat', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (56, 4050, 'Kouluttaja- ja ohjaajapalkkiot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (57, 4100, 'Eläkekulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (58, 4150, 'Sosiaaliturvamaksut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (59, 4160, 'Tapaturma- ja työttömyysvakuutusmaksut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (60, 4190, 'Muut henkilösivukulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (61, 4200, 'Poistot aineettomista hyödykkeistä', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (62, 4210, 'Poistot aineellisista hyödykkeistä', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (63, 4300, 'Toimitilavuokrat', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (64, 4310, 'Toimitilojen muut kulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (65, 4400, 'Leirikulut', 'Leirikeskusten vuokrat, ruokailu ja kuljetukset', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (66, 4410, 'Koulutuskulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (67, 4420, 'Tapahtumakulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (68, 4430, 'Nuorisovaihdon kulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (69, 4440, 'Piiritoiminnan kulut', 'Alueellisten piirien toiminta', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (70, 4450, 'Vapaaehtoistoiminnan kulut', 'Vapaaehtoisten koulutus, virkistys ja kulukorvaukset', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (71, 4460, 'Hankkeiden kulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (72, 4470, 'Materiaalit ja julkaisut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (73, 4480, 'Kulutili 1', 'Nimeä järjestön oman toimintamuodon mukaan', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (74, 4500, 'Matkakulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (75, 4510, 'Kokouskulut', 'Liittokokous, hallitus ja työryhmät', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (76, 4520, 'Toimistotarvikkeet', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (77, 4530, 'Puhelin- ja tietoliikennekulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (78, 4540, 'Tietotekniikkakulut', 'Jäsenrekisteri, ilmoittautumisjärjestelmä', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (79, 4600, 'Jäsenmaksut muille yhteisöille', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (80, 4610, 'Vakuutukset', 'Leiri- ja tapahtumavakuutukset', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (81, 4620, 'Tilin- ja toiminnantarkastus', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (82, 4630, 'Kirjanpitopalvelut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (83, 4640, 'Pankkikulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (84, 4690, 'Muut toimintakulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (85, 4900, 'Avustukset jäsenjärjestöille', 'Jäsenjärjestöjen ja piirien toiminta-avustukset', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (86, 5000, 'Jäsenjärjestöjen jäsenmaksut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (87, 5010, 'Henkilö- ja kannatusjäsenmaksut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (88, 5100, 'Lahjoitukset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (89, 5110, 'Rahankeräystuotot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (90, 5200, 'Tuotemyynti', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (91, 5210, 'Yhteistyötuotot', 'Yritysten kanssa tehtyjen yhteistyösopimusten tuotot', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (92, 5290, 'Muut varainhankinnan tuotot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (93, 5500, 'Myytävien tuotteiden ostot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (94, 5510, 'Varaston muutos', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (95, 5520, 'Rahankeräyksen kulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (96, 5590, 'Muut varainhankinnan kulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (97, 6000, 'Korkotuotot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (98, 6010, 'Osinkotuotot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (99, 6020, 'Leiripaikan vuokratuotot', 'Leiripaikan vuokraus ulkopuolisille', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (100, 6090, 'Muut rahoitustuotot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (101, 6500, 'Korkokulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (102, 6510, 'Leiripaikan vuokraustoiminnan kulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (103, 6590, 'Muut rahoituskulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (104, 7000, 'Valtion yleisavustus', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (105, 7010, 'Kuntien yleisavustukset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (106, 7090, 'Muut yleisavustukset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (107, 8000, 'Poistoeron muutos', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (108, 8100, 'Vapaaehtoisten varausten muutos', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (109, 8500, 'Tuloverot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (110, 9990, 'Tilikauden yli-/alijäämä (tuloslaskelma)', 'Tuloslaskelman tulostili: ohjelma kirjaa tilikauden tuloksen tälle tilille, älä kirjaa tälle itse', 0, 0);

-- Statement models: 1 = income statement, 2 = balance sheet.
INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu) VALUES (1, 'Tuloslaskelma', 1, False);
INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu) VALUES (2, 'Tase', 2, False);

-- Income-statement rows. Every row sums on the credit side, so income shows
-- positive and expenses negative; group totals and the formula rows add
-- them up. The last row is the profit row: its account receives the
-- year's result from the automatic profit bookings.
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (1, 1, 'K', '', 0, 1, 'Varsinaisen toiminnan tuotot', '', True, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (2, 1, 'K', '44,', 1, 1, 'Leirimaksut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (3, 1, 'K', '45,', 1, 2, 'Koulutustuotot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (4, 1, 'K', '46,', 1, 3, 'Tapahtumatuotot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (5, 1, 'K', '47,', 1, 4, 'Materiaalien ja julkaisujen myynti', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (6, 1, 'K', '48,', 1, 5, 'Palvelumaksut jäsenjärjestöiltä', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (7, 1, 'K', '49,', 1, 6, 'Toimintamuotojen tuotot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (8, 1, 'K', '50,51,52,', 1, 7, 'Saadut hankeavustukset', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (9, 1, 'K', '53,', 1, 8, 'Muut toiminnan tuotot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (10, 1, 'K', '', 0, 2, 'Varsinaisen toiminnan kulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (11, 1, 'K', '', 10, 1, 'Henkilöstökulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (12, 1, 'K', '54,55,56,', 11, 1, 'Palkat ja palkkiot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (13, 1, 'K', '57,', 11, 2, 'Eläkekulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (14, 1, 'K', '58,59,60,', 11, 3, 'Muut henkilösivukulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (15, 1, 'K', '61,62,', 10, 2, 'Poistot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (16, 1, 'K', '', 10, 3, 'Muut kulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (17, 1, 'K', '63,64,', 16, 1, 'Toimitilakulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (18, 1, 'K', '65,', 16, 2, 'Leirikulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (19, 1, 'K', '66,', 16, 3, 'Koulutuskulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (20, 1, 'K', '67,', 16, 4, 'Tapahtumakulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (21, 1, 'K', '68,', 16, 5, 'Nuorisovaihto', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (22, 1, 'K', '69,', 16, 6, 'Piiritoiminta', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (23, 1, 'K', '70,', 16, 7, 'Vapaaehtoistoiminta', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (24, 1, 'K', '71,', 16, 8, 'Hankkeiden kulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (25, 1, 'K', '72,', 16, 9, 'Materiaalit ja julkaisut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (26, 1, 'K', '73,', 16, 10, 'Toimintamuotojen kulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (27, 1, 'K', '74,75,', 16, 11, 'Matka- ja kokouskulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (28, 1, 'K', '76,77,78,81,82,83,', 16, 12, 'Hallintokulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (29, 1, 'K', '79,80,', 16, 13, 'Jäsenmaksut ja vakuutukset', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (30, 1, 'K', '85,', 16, 14, 'Avustukset jäsenjärjestöille', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (31, 1, 'K', '84,', 16, 15, 'Muut toimintakulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (32, 1, 'K', '', 0, 3, 'Varsinaisen toiminnan tuotto-/kulujäämä', '+1,+10,', False, True, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (33, 1, 'K', '', 0, 4, 'Varainhankinnan tuotot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (34, 1, 'K', '86,87,', 33, 1, 'Jäsenmaksut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (35, 1, 'K', '88,89,', 33, 2, 'Lahjoitukset ja keräykset', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (36, 1, 'K', '90,', 33, 3, 'Tuotemyynti', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (37, 1, 'K', '91,', 33, 4, 'Yhteistyötuotot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (38, 1, 'K', '92,', 33, 5, 'Muut varainhankinnan tuotot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (39, 1, 'K', '', 0, 5, 'Varainhankinnan kulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (40, 1, 'K', '93,94,', 39, 1, 'Ostot ja varaston muutos', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (41, 1, 'K', '95,', 39, 2, 'Rahankeräyksen kulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (42, 1, 'K', '96,', 39, 3, 'Muut varainhankinnan kulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (43, 1, 'K', '', 0, 6, 'Varainhankinnan tuotto-/kulujäämä', '+33,+39,', False, True, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (44, 1, 'K', '', 0, 7, 'Sijoitus- ja rahoitustoiminnan tuotot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (45, 1, 'K', '97,98,', 44, 1, 'Korko- ja osinkotuotot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (46, 1, 'K', '99,', 44, 2, 'Vuokratuotot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (47, 1, 'K', '100,', 44, 3, 'Muut sijoitus- ja rahoitustuotot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (48, 1, 'K', '', 0, 8, 'Sijoitus- ja rahoitustoiminnan kulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (49, 1, 'K', '101,', 48, 1, 'Korkokulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (50, 1, 'K', '102,', 48, 2, 'Vuokraustoiminnan kulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (51, 1, 'K', '103,', 48, 3, 'Muut sijoitus- ja rahoituskulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (52, 1, 'K', '', 0, 9, 'Sijoitus- ja rahoitustoiminnan tuotto-/kulujäämä', '+44,+48,', False, True, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (53, 1, 'K', '', 0, 10, 'Tuotto-/kulujäämä', '+32,+43,+52,', False, True, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (54, 1, 'K', '', 0, 11, 'Yleisavustukset', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (55, 1, 'K', '104,', 54, 1, 'Valtion yleisavustus', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (56, 1, 'K', '105,', 54, 2, 'Kuntien yleisavustukset', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (57, 1, 'K', '106,', 54, 3, 'Muut yleisavustukset', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (58, 1, 'K', '', 0, 12, 'Tilikauden tulos', '+53,+54,', False, True, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (59, 1, 'K', '', 0, 13, 'Tilinpäätössiirrot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (60, 1, 'K', '107,', 59, 1, 'Poistoeron muutos', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (61, 1, 'K', '108,', 59, 2, 'Vapaaehtoisten varausten muutos', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (62, 1, 'K', '109,', 0, 14, 'Tuloverot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (63, 1, 'K', '110,', 0, 15, 'Tilikauden ylijäämä (alijäämä)', '', False, False, True, 0, 'K');

-- Balance-sheet rows: debit side under the first top group, credit side
-- under the second. The year's surplus row holds the balance-sheet profit
-- account (setting VoittoTaseella).
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (101, 2, 'D', '', 0, 1, 'VASTAAVAA', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (102, 2, 'D', '', 101, 1, 'Pysyvät vastaavat', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (103, 2, 'D', '', 102, 1, 'Aineettomat hyödykkeet', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (104, 2, 'D', '1,', 103, 1, 'Aineettomat oikeudet', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (105, 2, 'D', '2,', 103, 2, 'Muut pitkävaikutteiset menot', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (106, 2, 'D', '', 102, 2, 'Aineelliset hyödykkeet', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (107, 2, 'D', '3,', 106, 1, 'Maa- ja vesialueet', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (108, 2, 'D', '4,', 106, 2, 'Rakennukset ja rakennelmat', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (109, 2, 'D', '5,', 106, 3, 'Koneet ja kalusto', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (110, 2, 'D', '6,', 106, 4, 'Muut aineelliset hyödykkeet', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (111, 2, 'D', '', 102, 3, 'Sijoitukset', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (112, 2, 'D', '7,', 111, 1, 'Osakkeet ja osuudet', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (113, 2, 'D', '8,', 111, 2, 'Muut sijoitukset', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (114, 2, 'D', '', 101, 2, 'Vaihtuvat vastaavat', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (115, 2, 'D', '', 114, 1, 'Vaihto-omaisuus', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (116, 2, 'D', '9,', 115, 1, 'Valmiit tuotteet/tavarat', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (117, 2, 'D', '', 114, 2, 'Saamiset', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (118, 2, 'D', '10,', 117, 1, 'Myyntisaamiset', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (119, 2, 'D', '12,', 117, 2, 'Lainasaamiset', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (120, 2, 'D', '11,13,14,', 117, 3, 'Muut saamiset', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (121, 2, 'D', '15,', 117, 4, 'Siirtosaamiset', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (122, 2, 'D', '16,', 114, 3, 'Rahoitusarvopaperit', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (123, 2, 'D', '17,18,19,20,21,', 114, 4, 'Rahat ja pankkisaamiset', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (124, 2, 'K', '', 0, 2, 'VASTATTAVAA', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (125, 2, 'K', '', 124, 1, 'Oma pääoma', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (126, 2, 'K', '22,', 125, 1, 'Sidotut rahastot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (127, 2, 'K', '23,24,', 125, 2, 'Vapaat rahastot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (128, 2, 'K', '25,', 125, 3, 'Edellisten tilikausien yli-/alijäämä', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (129, 2, 'K', '26,', 125, 4, 'Tilikauden yli-/alijäämä', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (130, 2, 'K', '', 124, 2, 'Tilinpäätössiirtojen kertymä', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (131, 2, 'K', '27,', 130, 1, 'Poistoero', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (132, 2, 'K', '28,', 130, 2, 'Vapaaehtoiset varaukset', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (133, 2, 'K', '29,', 124, 3, 'Pakolliset varaukset', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (134, 2, 'K', '', 124, 4, 'Vieras pääoma', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (135, 2, 'K', '', 134, 1, 'Pitkäaikainen vieras pääoma', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (136, 2, 'K', '30,', 135, 1, 'Lainat rahoituslaitoksilta', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (137, 2, 'K', '31,', 135, 2, 'Muut pitkäaikaiset velat', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (138, 2, 'K', '', 134, 2, 'Lyhytaikainen vieras pääoma', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (139, 2, 'K', '32,', 138, 1, 'Lainat rahoituslaitoksilta', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (140, 2, 'K', '33,', 138, 2, 'Saadut ennakot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (141, 2, 'K', '34,', 138, 3, 'Ostovelat', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (142, 2, 'K', '35,36,37,38,39,40,', 138, 4, 'Muut velat', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (143, 2, 'K', '41,42,43,', 138, 5, 'Siirtovelat', '', False, False, False, 0, 'K');
