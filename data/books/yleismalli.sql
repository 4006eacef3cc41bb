-- Yleismalli: the general template book for a Finnish association (yhdistys).
--
-- The chart follows the thousands of Finnish association books:
--   1000-1999 vastaavaa (pysyvät ja vaihtuvat vastaavat),
--   2000-2999 vastattavaa (oma pääoma, tilinpäätössiirtojen kertymä,
--             varaukset, vieras pääoma),
--   3000-3999 varsinaisen toiminnan tuotot,
--   4000-4999 varsinaisen toiminnan kulut,
--   5000-5999 varainhankinta (tuotot 5000-5499, kulut 5500-5999),
--   6000-6999 sijoitus- ja rahoitustoiminta (tuotot 6000-6499, kulut 6500-),
--   7000-7999 yleisavustukset,
--   8000-8999 tilinpäätössiirrot ja tuloverot,
--   9990      the income statement's profit account.
-- The accounts 'Tulotili 1..3' and 'Kulutili 1..3' are left for the
-- association to rename after its own activities.
--
-- Account 2090 is the balance-sheet profit account (setting VoittoTaseella)
-- and account 9990 the profit account of the income statement's profit row;
-- the two must differ. A book made from this template links the balance
-- sheet (model 2) to the income statement (model 1) through maTulosMaID,
-- which the schema upgrade adds; this file leaves it to the book.

-- Chart of accounts. Keys follow the account numbers so that the
-- model rows below can name the accounts by key.
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (1, 1010, 'Aineettomat oikeudet', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (2, 1050, 'Muut pitkävaikutteiset menot', 'Esim. vuokratilan perusparannukset', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (3, 1100, 'Maa- ja vesialueet', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (4, 1120, 'Rakennukset ja rakennelmat', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (5, 1150, 'Koneet ja kalusto', 'Aktivoitavat kone- ja kalustohankinnat, menojäännöspoisto', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (6, 1180, 'Muut aineelliset hyödykkeet', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (7, 1200, 'Osakkeet ja osuudet', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (8, 1250, 'Muut sijoitukset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (9, 1400, 'Aineet ja tarvikkeet', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (10, 1420, 'Myytävät tuotteet', 'Myyntiin hankittujen tuotteiden varasto', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (11, 1500, 'Myyntisaamiset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (12, 1510, 'Jäsenmaksusaamiset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (13, 1530, 'Lainasaamiset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (14, 1550, 'Avustussaamiset', 'Myönnetyt, vielä maksamatta olevat avustukset', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (15, 1560, 'Muut saamiset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (16, 1570, 'Siirtosaamiset', 'Tilikaudelle kuuluvat tuotot ja ennakkoon maksetut kulut', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (17, 1700, 'Rahoitusarvopaperit', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (18, 1900, 'Kassa', 'Käteisvarat', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (19, 1910, 'Pankkitili, käyttötili', 'Yhdistyksen pääasiallinen maksuliikennetili', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (20, 1920, 'Pankkitili, säästötili', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (21, 1930, 'Pankkitili, projektitili', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (22, 2010, 'Sidotut rahastot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (23, 2020, 'Vapaat rahastot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (24, 2050, 'Edellisten tilikausien yli-/alijäämä', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (25, 2090, 'Tilikauden yli-/alijäämä', 'Taseen tulostili: tilikauden tulos kirjautuu tälle tilille automaattisesti', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (26, 2100, 'Poistoero', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (27, 2150, 'Vapaaehtoiset varaukset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (28, 2200, 'Pakolliset varaukset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (29, 2300, 'Pitkäaikaiset lainat rahoituslaitoksilta', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (30, 2350, 'Muut pitkäaikaiset velat', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (31, 2400, 'Lyhytaikaiset lainat rahoituslaitoksilta', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (32, 2450, 'Saadut ennakot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (33, 2500, 'Ostovelat', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (34, 2610, 'Ennakonpidätysvelka', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (35, 2620, 'Sosiaaliturvamaksuvelka', 'Työnantajan sairausvakuutusmaksu', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (36, 2630, 'Eläkevakuutusmaksuvelka', 'TyEL-maksut, työnantajan ja työntekijän osuus', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (37, 2640, 'Työttömyysvakuutusmaksuvelka', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (38, 2650, 'Arvonlisäverovelka', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (39, 2680, 'Muut lyhytaikaiset velat', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (40, 2700, 'Siirtovelat', 'Tilikaudelle kuuluvat maksamattomat kulut', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (41, 2710, 'Lomapalkkavelka', 'Lomapalkkajaksotus sivukuluineen', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (42, 2750, 'Käyttämättömät avustukset', 'Seuraavalle tilikaudelle siirtyvät kohdeavustukset', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (43, 3000, 'Osallistumismaksut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (44, 3010, 'Kurssimaksut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (45, 3020, 'Leiri- ja retkimaksut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (46, 3030, 'Tapahtumien pääsymaksut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (47, 3040, 'Julkaisujen myynti', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (48, 3050, 'Tulotili 1', 'Nimeä yhdistyksen oman toimintamuodon mukaan', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (49, 3060, 'Tulotili 2', 'Nimeä yhdistyksen oman toimintamuodon mukaan', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (50, 3070, 'Tulotili 3', 'Nimeä yhdistyksen oman toimintamuodon mukaan', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (51, 3100, 'Kunnan kohdeavustukset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (52, 3110, 'Valtion kohdeavustukset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (53, 3120, 'Säätiöiden ja muiden kohdeavustukset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (54, 3190, 'Muut varsinaisen toiminnan tuotot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (55, 4000, 'Palkat ja palkkiot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (56, 4010, 'Lomapalkat', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (57, 4050, 'Luento- ja ohjaajapalkkiot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (58, 4100, 'Eläkekulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (59, 4150, 'Sosiaaliturvamaksut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (60, 4160, 'Tapaturma- ja työttömyysvakuutusmaksut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (61, 4190, 'Muut henkilösivukulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (62, 4200, 'Poistot aineettomista hyödykkeistä', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (63, 4210, 'Poistot aineellisista hyödykkeistä', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (64, 4300, 'Toimitilavuokrat', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (65, 4310, 'Toimitilojen muut kulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (66, 4400, 'Kokouskulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (67, 4410, 'Matkakulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (68, 4420, 'Kilometrikorvaukset ja päivärahat', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (69, 4430, 'Koulutuskulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (70, 4440, 'Leiri- ja retkikulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (71, 4450, 'Tarvikkeet ja materiaalit', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (72, 4460, 'Tapahtumakulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (73, 4470, 'Tiedotus ja julkaisut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (74, 4500, 'Toimistotarvikkeet', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (75, 4510, 'Puhelin- ja tietoliikennekulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (76, 4520, 'Postikulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (77, 4530, 'Tietotekniikkakulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (78, 4540, 'Kalustohankinnat', 'Pienhankinnat, jotka kirjataan suoraan kuluksi', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (79, 4600, 'Jäsenmaksut muille yhteisöille', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (80, 4610, 'Vakuutukset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (81, 4620, 'Tilin- ja toiminnantarkastus', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (82, 4630, 'Kirjanpitopalvelut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (83, 4640, 'Pankkikulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (84, 4650, 'Muistamiset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (85, 4690, 'Muut toimintakulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (86, 4700, 'Kulutili 1', 'Nimeä yhdistyksen oman toimintamuodon mukaan', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (87, 4710, 'Kulutili 2', 'Nimeä yhdistyksen oman toimintamuodon mukaan', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (88, 4720, 'Kulutili 3', 'Nimeä yhdistyksen oman toimintamuodon mukaan', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (89, 4900, 'Myönnetyt avustukset ja stipendit', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (90, 5000, 'Jäsenmaksut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (91, 5010, 'Kannatusjäsenmaksut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (92, 5100, 'Lahjoitukset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (93, 5110, 'Rahankeräystuotot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (94, 5200, 'Tuotemyynti', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (95, 5210, 'Arpajaistuotot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (96, 5220, 'Ilmoitustuotot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (97, 5230, 'Myyjäis- ja tapahtumatuotot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (98, 5290, 'Muut varainhankinnan tuotot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (99, 5500, 'Myytävien tuotteiden ostot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (100, 5510, 'Varaston muutos', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (101, 5520, 'Arpajaisten kulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (102, 5530, 'Myyjäis- ja tapahtumakulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (103, 5590, 'Muut varainhankinnan kulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (104, 6000, 'Korkotuotot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (105, 6010, 'Osinkotuotot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (106, 6020, 'Vuokratuotot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (107, 6030, 'Sijoitusten myyntivoitot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (108, 6090, 'Muut rahoitustuotot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (109, 6500, 'Korkokulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (110, 6510, 'Sijoitustoiminnan kulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (111, 6520, 'Sijoitusten myyntitappiot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (112, 6590, 'Muut rahoituskulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (113, 7000, 'Valtion yleisavustus', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (114, 7010, 'Kunnan yleisavustus', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (115, 7090, 'Muut yleisavustukset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (116, 8000, 'Poistoeron muutos', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (117, 8100, 'Vapaaehtoisten varausten muutos', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (118, 8500, 'Tuloverot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (119, 9990, 'Tilikauden yli-/alijäämä (tuloslaskelma)', 'Tuloslaskelman tulostili: ohjelma kirjaa tilikauden tuloksen tälle tilille, älä kirjaa tälle itse', 0, 0);

-- Statement models: 1 = income statement, 2 = balance sheet.
INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu) VALUES (1, 'Tuloslaskelma', 1, False);
INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu) VALUES (2, 'Tase', 2, False);

-- Income-statement rows. Every row sums on the credit side, so income shows
-- positive and expenses negative; group totals and the formula rows add
-- them up. The last row is the profit row: its account receives the
-- year's result from the automatic profit bookings.
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (1, 1, 'K', '', 0, 1, 'Varsinaisen toiminnan tuotot', '', True, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (2, 1, 'K', '43,44,', 1, 1, 'Osallistumis- ja kurssimaksut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (3, 1, 'K', '45,', 1, 2, 'Leiri- ja retkimaksut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (4, 1, 'K', '46,', 1, 3, 'Tapahtumatuotot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (5, 1, 'K', '47,', 1, 4, 'Julkaisujen myynti', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (6, 1, 'K', '48,49,50,', 1, 5, 'Toimintamuotojen tuotot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (7, 1, 'K', '51,52,53,', 1, 6, 'Saadut kohdeavustukset', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (8, 1, 'K', '54,', 1, 7, 'Muut toiminnan tuotot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (9, 1, 'K', '', 0, 2, 'Varsinaisen toiminnan kulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (10, 1, 'K', '', 9, 1, 'Henkilöstökulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (11, 1, 'K', '55,56,57,', 10, 1, 'Palkat ja palkkiot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (12, 1, 'K', '58,', 10, 2, 'Eläkekulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (13, 1, 'K', '59,60,61,', 10, 3, 'Muut henkilösivukulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (14, 1, 'K', '62,63,', 9, 2, 'Poistot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (15, 1, 'K', '', 9, 3, 'Muut kulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (16, 1, 'K', '64,65,', 15, 1, 'Toimitilakulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (17, 1, 'K', '66,72,', 15, 2, 'Kokous- ja tapahtumakulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (18, 1, 'K', '67,68,', 15, 3, 'Matkakulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (19, 1, 'K', '69,', 15, 4, 'Koulutuskulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (20, 1, 'K', '70,', 15, 5, 'Leiri- ja retkikulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (21, 1, 'K', '71,', 15, 6, 'Tarvikkeet ja materiaalit', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (22, 1, 'K', '73,', 15, 7, 'Tiedotus ja julkaisut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (23, 1, 'K', '86,87,88,', 15, 8, 'Toimintamuotojen kulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (24, 1, 'K', '74,75,76,77,78,81,82,83,', 15, 9, 'Hallintokulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (25, 1, 'K', '79,80,', 15, 10, 'Jäsenmaksut ja vakuutukset', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (26, 1, 'K', '89,', 15, 11, 'Myönnetyt avustukset ja stipendit', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (27, 1, 'K', '84,85,', 15, 12, 'Muut toimintakulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (28, 1, 'K', '', 0, 3, 'Varsinaisen toiminnan tuotto-/kulujäämä', '+1,+9,', False, True, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (29, 1, 'K', '', 0, 4, 'Varainhankinnan tuotot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (30, 1, 'K', '90,91,', 29, 1, 'Jäsenmaksut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (31, 1, 'K', '92,93,', 29, 2, 'Lahjoitukset ja keräykset', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (32, 1, 'K', '94,97,', 29, 3, 'Tuotemyynti ja myyjäiset', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (33, 1, 'K', '95,', 29, 4, 'Arpajaiset', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (34, 1, 'K', '96,', 29, 5, 'Ilmoitustuotot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (35, 1, 'K', '98,', 29, 6, 'Muut varainhankinnan tuotot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (36, 1, 'K', '', 0, 5, 'Varainhankinnan kulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (37, 1, 'K', '99,100,', 36, 1, 'Ostot ja varaston muutos', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (38, 1, 'K', '101,', 36, 2, 'Arpajaisten kulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (39, 1, 'K', '102,', 36, 3, 'Myyjäis- ja tapahtumakulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (40, 1, 'K', '103,', 36, 4, 'Muut varainhankinnan kulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (41, 1, 'K', '', 0, 6, 'Varainhankinnan tuotto-/kulujäämä', '+29,+36,', False, True, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (42, 1, 'K', '', 0, 7, 'Sijoitus- ja rahoitustoiminnan tuotot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (43, 1, 'K', '104,105,', 42, 1, 'Korko- ja osinkotuotot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (44, 1, 'K', '106,', 42, 2, 'Vuokratuotot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (45, 1, 'K', '107,108,', 42, 3, 'Muut sijoitus- ja rahoitustuotot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (46, 1, 'K', '', 0, 8, 'Sijoitus- ja rahoitustoiminnan kulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (47, 1, 'K', '109,', 46, 1, 'Korkokulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (48, 1, 'K', '110,111,112,', 46, 2, 'Muut sijoitus- ja rahoituskulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (49, 1, 'K', '', 0, 9, 'Sijoitus- ja rahoitustoiminnan tuotto-/kulujäämä', '+42,+46,', False, True, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (50, 1, 'K', '', 0, 10, 'Tuotto-/kulujäämä', '+28,+41,+49,', False, True, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (51, 1, 'K', '', 0, 11, 'Yleisavustukset', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (52, 1, 'K', '113,', 51, 1, 'Valtion yleisavustus', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (53, 1, 'K', '114,', 51, 2, 'Kunnan yleisavustus', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (54, 1, 'K', '115,', 51, 3, 'Muut yleisavustukset', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (55, 1, 'K', '', 0, 12, 'Tilikauden tulos', '+50,+51,', False, True, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (56, 1, 'K', '', 0, 13, 'Tilinpäätössiirrot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (57, 1, 'K', '116,', 56, 1, 'Poistoeron muutos', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (58, 1, 'K', '117,', 56, 2, 'Vapaaehtoisten varausten muutos', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (59, 1, 'K', '118,', 0, 14, 'Tuloverot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (60, 1, 'K', '119,', 0, 15, 'Tilikauden ylijäämä (alijäämä)', '', False, False, True, 0, 'K');

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
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (116, 2, 'D', '9,', 115, 1, 'Aineet ja tarvikkeet', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (117, 2, 'D', '10,', 115, 2, 'Valmiit tuotteet/tavarat', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (118, 2, 'D', '', 114, 2, 'Saamiset', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (119, 2, 'D', '11,', 118, 1, 'Myyntisaamiset', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (120, 2, 'D', '13,', 118, 2, 'Lainasaamiset', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (121, 2, 'D', '12,14,15,', 118, 3, 'Muut saamiset', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (122, 2, 'D', '16,', 118, 4, 'Siirtosaamiset', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (123, 2, 'D', '17,', 114, 3, 'Rahoitusarvopaperit', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (124, 2, 'D', '18,19,20,21,', 114, 4, 'Rahat ja pankkisaamiset', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (125, 2, 'K', '', 0, 2, 'VASTATTAVAA', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (126, 2, 'K', '', 125, 1, 'Oma pääoma', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (127, 2, 'K', '22,', 126, 1, 'Sidotut rahastot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (128, 2, 'K', '23,', 126, 2, 'Vapaat rahastot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (129, 2, 'K', '24,', 126, 3, 'Edellisten tilikausien yli-/alijäämä', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (130, 2, 'K', '25,', 126, 4, 'Tilikauden yli-/alijäämä', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (131, 2, 'K', '', 125, 2, 'Tilinpäätössiirtojen kertymä', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (132, 2, 'K', '26,', 131, 1, 'Poistoero', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (133, 2, 'K', '27,', 131, 2, 'Vapaaehtoiset varaukset', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (134, 2, 'K', '28,', 125, 3, 'Pakolliset varaukset', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (135, 2, 'K', '', 125, 4, 'Vieras pääoma', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (136, 2, 'K', '', 135, 1, 'Pitkäaikainen vieras pääoma', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (137, 2, 'K', '29,', 136, 1, 'Lainat rahoituslaitoksilta', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (138, 2, 'K', '30,', 136, 2, 'Muut pitkäaikaiset velat', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (139, 2, 'K', '', 135, 2, 'Lyhytaikainen vieras pääoma', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (140, 2, 'K', '31,', 139, 1, 'Lainat rahoituslaitoksilta', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (141, 2, 'K', '32,', 139, 2, 'Saadut ennakot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (142, 2, 'K', '33,', 139, 3, 'Ostovelat', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (143, 2, 'K', '34,35,36,37,38,39,', 139, 4, 'Muut velat', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (144, 2, 'K', '40,41,42,', 139, 5, 'Siirtovelat', '', False, False, False, 0, 'K');
