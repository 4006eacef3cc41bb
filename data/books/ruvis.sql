-- Ruvis: the template book for a national cultural federation
-- (kulttuurialan kattojärjestö) whose members are amateur choirs,
-- orchestras and theatre groups. The federation produces festivals and
-- performances, runs courses, publishes a member magazine, keeps a costume
-- and instrument hire, passes performing rights to its members and awards
-- grants to them.
--
-- The chart follows the thousands of Finnish association books:
--   1000-1999 vastaavaa, 2000-2999 vastattavaa,
--   3000-3999 varsinaisen toiminnan tuotot (festivaalit, esitykset,
--             kurssit, vuokraamo, lehti, kohdeavustukset),
--   4000-4999 varsinaisen toiminnan kulut,
--   5000-5999 varainhankinta (tuotot 5000-5499, kulut 5500-5999),
--   6000-6999 sijoitus- ja rahoitustoiminta,
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
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (1, 1010, 'Aineettomat oikeudet', 'Esim. hankitut esitys- ja julkaisuoikeudet', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (2, 1050, 'Muut pitkävaikutteiset menot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (3, 1150, 'Koneet ja kalusto', 'Valo- ja äänitekniikka, toimiston kalusto', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (4, 1160, 'Soittimet', 'Vuokraamon aktivoidut soittimet', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (5, 1170, 'Esityspuvut ja lavasteet', 'Vuokraamon aktivoidut puvut ja lavasteet', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (6, 1200, 'Osakkeet ja osuudet', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (7, 1250, 'Muut sijoitukset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (8, 1420, 'Myytävät tuotteet', 'Äänitteet, julkaisut ja oheistuotteet', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (9, 1500, 'Myyntisaamiset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (10, 1510, 'Jäsenmaksusaamiset', 'Jäsenyhdistysten maksamattomat jäsenmaksut', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (11, 1550, 'Avustussaamiset', 'Myönnetyt, vielä maksamatta olevat avustukset', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (12, 1560, 'Muut saamiset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (13, 1570, 'Siirtosaamiset', 'Tilikaudelle kuuluvat tuotot ja ennakkoon maksetut kulut', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (14, 1700, 'Rahoitusarvopaperit', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (15, 1900, 'Kassa', 'Käteisvarat', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (16, 1910, 'Pankkitili, käyttötili', 'Liiton pääasiallinen maksuliikennetili', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (17, 1920, 'Pankkitili, säästötili', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (18, 1930, 'Pankkitili, festivaalitili', 'Festivaalien lipunmyynti ja maksuliikenne', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (19, 2010, 'Sidotut rahastot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (20, 2020, 'Vapaat rahastot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (21, 2030, 'Apurahastot', 'Jäsenyhdistysten apurahoihin varatut varat', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (22, 2050, 'Edellisten tilikausien yli-/alijäämä', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (23, 2090, 'Tilikauden yli-/alijäämä', 'Taseen tulostili: tilikauden tulos kirjautuu tälle tilille automaattisesti', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (24, 2100, 'Poistoero', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (25, 2150, 'Vapaaehtoiset varaukset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (26, 2200, 'Pakolliset varaukset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (27, 2300, 'Pitkäaikaiset lainat rahoituslaitoksilta', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (28, 2350, 'Muut pitkäaikaiset velat', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (29, 2400, 'Lyhytaikaiset lainat rahoituslaitoksilta', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (30, 2450, 'Saadut ennakot', 'Ennakkoon myydyt festivaaliliput ja kurssimaksut', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (31, 2500, 'Ostovelat', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (32, 2610, 'Ennakonpidätysvelka', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (33, 2620, 'Sosiaaliturvamaksuvelka', 'Työnantajan sairausvakuutusmaksu', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (34, 2630, 'Eläkevakuutusmaksuvelka', 'TyEL-maksut, työnantajan ja työntekijän osuus', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (35, 2640, 'Työttömyysvakuutusmaksuvelka', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (36, 2650, 'Arvonlisäverovelka', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (37, 2660, 'Tilitettävät esitysoikeusmaksut', 'Jäseniltä perityt, oikeudenhaltijoille tilittämättömät maksut', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (38, 2680, 'Muut lyhytaikaiset velat', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (39, 2700, 'Siirtovelat', 'Tilikaudelle kuuluvat maksamattomat kulut', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (40, 2710, 'Lomapalkkavelka', 'Lomapalkkajaksotus sivukuluineen', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (41, 2750, 'Käyttämättömät avustukset', 'Seuraavalle tilikaudelle siirtyvät kohdeavustukset', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (42, 3000, 'Festivaalien pääsylipputulot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (43, 3010, 'Festivaalien osallistumismaksut', 'Esiintyvien ryhmien osallistumismaksut', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (44, 3020, 'Esitys- ja konserttituotot', 'Liiton tuottamien esitysten myynti', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (45, 3030, 'Kurssimaksut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (46, 3040, 'Esitysoikeuksien välitys', 'Jäsenille välitettyjen esitysoikeuksien ja nuottien maksut', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (47, 3050, 'Puku- ja soitinvuokraamon tuotot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (48, 3060, 'Lehden tilausmaksut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (49, 3100, 'Valtion kohdeavustukset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (50, 3110, 'Kuntien kohdeavustukset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (51, 3120, 'Säätiöiden avustukset ja apurahat', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (52, 3190, 'Muut varsinaisen toiminnan tuotot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (53, 4000, 'Palkat ja palkkiot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (54, 4010, 'Lomapalkat', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (55, 4050, 'Taiteilija- ja esiintyjäpalkkiot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (56, 4060, 'Kouluttajapalkkiot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (57, 4100, 'Eläkekulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (58, 4150, 'Sosiaaliturvamaksut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (59, 4160, 'Tapaturma- ja työttömyysvakuutusmaksut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (60, 4190, 'Muut henkilösivukulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (61, 4200, 'Poistot', 'Suunnitelman mukaiset poistot', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (62, 4300, 'Toimitilavuokrat', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (63, 4310, 'Toimitilojen muut kulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (64, 4400, 'Festivaalien tuotantokulut', 'Tilavuokrat, tekniikka, majoitus ja ruokailu', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (65, 4410, 'Esitysten tuotantokulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (66, 4420, 'Kurssikulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (67, 4430, 'Esitysoikeus- ja tekijänoikeusmaksut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (68, 4440, 'Vuokraamon kulut', 'Puku- ja soitinvuokraamon huolto ja korjaukset', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (69, 4450, 'Lehden toimitus- ja painokulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (70, 4460, 'Markkinointi', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (71, 4470, 'Kansainvälinen yhteistyö', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (72, 4500, 'Matkakulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (73, 4510, 'Kokouskulut', 'Liittokokous, hallitus ja taiteellinen toimikunta', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (74, 4520, 'Toimistotarvikkeet', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (75, 4530, 'Puhelin- ja tietoliikennekulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (76, 4540, 'Tietotekniikkakulut', 'Jäsenrekisteri ja lipunmyyntijärjestelmä', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (77, 4600, 'Jäsenmaksut muille yhteisöille', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (78, 4610, 'Vakuutukset', 'Vuokraamon ja tapahtumien vakuutukset', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (79, 4620, 'Tilin- ja toiminnantarkastus', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (80, 4630, 'Kirjanpitopalvelut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (81, 4640, 'Pankkikulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (82, 4690, 'Muut toimintakulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (83, 4900, 'Apurahat ja avustukset jäsenyhdistyksille', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (84, 5000, 'Jäsenyhdistysten jäsenmaksut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (85, 5010, 'Henkilöjäsenmaksut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (86, 5100, 'Lahjoitukset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (87, 5200, 'Ilmoitustuotot', 'Lehden ja käsiohjelmien ilmoitukset', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (88, 5210, 'Tuotemyynti', 'Äänitteet, julkaisut ja oheistuotteet', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (89, 5220, 'Arpajaistuotot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (90, 5290, 'Muut varainhankinnan tuotot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (91, 5500, 'Myytävien tuotteiden ostot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (92, 5510, 'Varaston muutos', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (93, 5520, 'Arpajaisten kulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (94, 5590, 'Muut varainhankinnan kulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (95, 6000, 'Korkotuotot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (96, 6010, 'Osinkotuotot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (97, 6090, 'Muut rahoitustuotot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (98, 6500, 'Korkokulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (99, 6590, 'Muut rahoituskulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (100, 7000, 'Valtion yleisavustus', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (101, 7010, 'Kuntien yleisavustukset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (102, 7090, 'Muut yleisavustukset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (103, 8000, 'Poistoeron muutos', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (104, 8100, 'Vapaaehtoisten varausten muutos', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (105, 8500, 'Tuloverot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (106, 9990, 'Tilikauden yli-/alijäämä (tuloslaskelma)', 'Tuloslaskelman tulostili: ohjelma kirjaa tilikauden tuloksen tälle tilille, älä kirjaa tälle itse', 0, 0);

-- Statement models: 1 = income statement, 2 = balance sheet.
INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu) VALUES (1, 'Tuloslaskelma', 1, False);
INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu) VALUES (2, 'Tase', 2, False);

-- Income-statement rows. Every row sums on the credit side, so income shows
-- positive and expenses negative; group totals and the formula rows add
-- them up. The last row is the profit row: its account receives the
-- year's result from the automatic profit bookings.
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (1, 1, 'K', '', 0, 1, 'Varsinaisen toiminnan tuotot', '', True, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (2, 1, 'K', '42,43,', 1, 1, 'Festivaalituotot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (3, 1, 'K', '44,', 1, 2, 'Esitys- ja konserttituotot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (4, 1, 'K', '45,', 1, 3, 'Kurssimaksut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (5, 1, 'K', '46,', 1, 4, 'Esitysoikeuksien välitys', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (6, 1, 'K', '47,', 1, 5, 'Vuokraamon tuotot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (7, 1, 'K', '48,', 1, 6, 'Lehden tilausmaksut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (8, 1, 'K', '49,50,51,', 1, 7, 'Saadut kohdeavustukset', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (9, 1, 'K', '52,', 1, 8, 'Muut toiminnan tuotot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (10, 1, 'K', '', 0, 2, 'Varsinaisen toiminnan kulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (11, 1, 'K', '', 10, 1, 'Henkilöstökulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (12, 1, 'K', '53,54,55,56,', 11, 1, 'Palkat ja palkkiot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (13, 1, 'K', '57,', 11, 2, 'Eläkekulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (14, 1, 'K', '58,59,60,', 11, 3, 'Muut henkilösivukulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (15, 1, 'K', '61,', 10, 2, 'Poistot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (16, 1, 'K', '', 10, 3, 'Muut kulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (17, 1, 'K', '62,63,', 16, 1, 'Toimitilakulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (18, 1, 'K', '64,65,', 16, 2, 'Festivaalit ja esitykset', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (19, 1, 'K', '66,', 16, 3, 'Kurssikulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (20, 1, 'K', '67,', 16, 4, 'Esitysoikeus- ja tekijänoikeusmaksut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (21, 1, 'K', '68,', 16, 5, 'Vuokraamon kulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (22, 1, 'K', '69,', 16, 6, 'Lehti', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (23, 1, 'K', '70,', 16, 7, 'Markkinointi', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (24, 1, 'K', '71,', 16, 8, 'Kansainvälinen yhteistyö', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (25, 1, 'K', '72,73,', 16, 9, 'Matka- ja kokouskulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (26, 1, 'K', '74,75,76,79,80,81,', 16, 10, 'Hallintokulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (27, 1, 'K', '77,78,', 16, 11, 'Jäsenmaksut ja vakuutukset', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (28, 1, 'K', '83,', 16, 12, 'Apurahat ja avustukset jäsenyhdistyksille', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (29, 1, 'K', '82,', 16, 13, 'Muut toimintakulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (30, 1, 'K', '', 0, 3, 'Varsinaisen toiminnan tuotto-/kulujäämä', '+1,+10,', False, True, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (31, 1, 'K', '', 0, 4, 'Varainhankinnan tuotot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (32, 1, 'K', '84,85,', 31, 1, 'Jäsenmaksut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (33, 1, 'K', '86,', 31, 2, 'Lahjoitukset', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (34, 1, 'K', '87,', 31, 3, 'Ilmoitustuotot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (35, 1, 'K', '88,', 31, 4, 'Tuotemyynti', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (36, 1, 'K', '89,', 31, 5, 'Arpajaiset', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (37, 1, 'K', '90,', 31, 6, 'Muut varainhankinnan tuotot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (38, 1, 'K', '', 0, 5, 'Varainhankinnan kulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (39, 1, 'K', '91,92,', 38, 1, 'Ostot ja varaston muutos', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (40, 1, 'K', '93,', 38, 2, 'Arpajaisten kulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (41, 1, 'K', '94,', 38, 3, 'Muut varainhankinnan kulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (42, 1, 'K', '', 0, 6, 'Varainhankinnan tuotto-/kulujäämä', '+31,+38,', False, True, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (43, 1, 'K', '', 0, 7, 'Sijoitus- ja rahoitustoiminnan tuotot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (44, 1, 'K', '95,96,', 43, 1, 'Korko- ja osinkotuotot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (45, 1, 'K', '97,', 43, 2, 'Muut rahoitustuotot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (46, 1, 'K', '', 0, 8, 'Sijoitus- ja rahoitustoiminnan kulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (47, 1, 'K', '98,', 46, 1, 'Korkokulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (48, 1, 'K', '99,', 46, 2, 'Muut rahoituskulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (49, 1, 'K', '', 0, 9, 'Sijoitus- ja rahoitustoiminnan tuotto-/kulujäämä', '+43,+46,', False, True, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (50, 1, 'K', '', 0, 10, 'Tuotto-/kulujäämä', '+30,+42,+49,', False, True, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (51, 1, 'K', '', 0, 11, 'Yleisavustukset', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (52, 1, 'K', '100,', 51, 1, 'Valtion yleisavustus', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (53, 1, 'K', '101,', 51, 2, 'Kuntien yleisavustukset', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (54, 1, 'K', '102,', 51, 3, 'Muut yleisavustukset', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (55, 1, 'K', '', 0, 12, 'Tilikauden tulos', '+50,+51,', False, True, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (56, 1, 'K', '', 0, 13, 'Tilinpäätössiirrot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (57, 1, 'K', '103,', 56, 1, 'Poistoeron muutos', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (58, 1, 'K', '104,', 56, 2, 'Vapaaehtoisten varausten muutos', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (59, 1, 'K', '105,', 0, 14, 'Tuloverot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (60, 1, 'K', '106,', 0, 15, 'Tilikauden ylijäämä (alijäämä)', '', False, False, True, 0, 'K');

-- Balance-sheet rows: debit side under the first top group, credit side
-- under the second. The year's surplus row holds the balance-sheet profit
-- account (setting VoittoTaseella).
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (101, 2, 'D', '', 0, 1, 'VASTAAVAA', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (102, 2, 'D', '', 101, 1, 'Pysyvät vastaavat', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (103, 2, 'D', '', 102, 1, 'Aineettomat hyödykkeet', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (104, 2, 'D', '1,', 103, 1, 'Aineettomat oikeudet', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (105, 2, 'D', '2,', 103, 2, 'Muut pitkävaikutteiset menot', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (106, 2, 'D', '', 102, 2, 'Aineelliset hyödykkeet', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (107, 2, 'D', '3,', 106, 1, 'Koneet ja kalusto', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (108, 2, 'D', '4,5,', 106, 2, 'Muut aineelliset hyödykkeet', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (109, 2, 'D', '', 102, 3, 'Sijoitukset', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (110, 2, 'D', '6,', 109, 1, 'Osakkeet ja osuudet', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (111, 2, 'D', '7,', 109, 2, 'Muut sijoitukset', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (112, 2, 'D', '', 101, 2, 'Vaihtuvat vastaavat', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (113, 2, 'D', '', 112, 1, 'Vaihto-omaisuus', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (114, 2, 'D', '8,', 113, 1, 'Valmiit tuotteet/tavarat', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (115, 2, 'D', '', 112, 2, 'Saamiset', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (116, 2, 'D', '9,', 115, 1, 'Myyntisaamiset', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (117, 2, 'D', '10,11,12,', 115, 2, 'Muut saamiset', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (118, 2, 'D', '13,', 115, 3, 'Siirtosaamiset', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (119, 2, 'D', '14,', 112, 3, 'Rahoitusarvopaperit', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (120, 2, 'D', '15,16,17,18,', 112, 4, 'Rahat ja pankkisaamiset', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (121, 2, 'K', '', 0, 2, 'VASTATTAVAA', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (122, 2, 'K', '', 121, 1, 'Oma pääoma', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (123, 2, 'K', '19,', 122, 1, 'Sidotut rahastot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (124, 2, 'K', '20,21,', 122, 2, 'Vapaat rahastot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (125, 2, 'K', '22,', 122, 3, 'Edellisten tilikausien yli-/alijäämä', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (126, 2, 'K', '23,', 122, 4, 'Tilikauden yli-/alijäämä', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (127, 2, 'K', '', 121, 2, 'Tilinpäätössiirtojen kertymä', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (128, 2, 'K', '24,', 127, 1, 'Poistoero', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (129, 2, 'K', '25,', 127, 2, 'Vapaaehtoiset varaukset', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (130, 2, 'K', '26,', 121, 3, 'Pakolliset varaukset', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (131, 2, 'K', '', 121, 4, 'Vieras pääoma', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (132, 2, 'K', '', 131, 1, 'Pitkäaikainen vieras pääoma', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (133, 2, 'K', '27,', 132, 1, 'Lainat rahoituslaitoksilta', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (134, 2, 'K', '28,', 132, 2, 'Muut pitkäaikaiset velat', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (135, 2, 'K', '', 131, 2, 'Lyhytaikainen vieras pääoma', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (136, 2, 'K', '29,', 135, 1, 'Lainat rahoituslaitoksilta', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (137, 2, 'K', '30,', 135, 2, 'Saadut ennakot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (138, 2, 'K', '31,', 135, 3, 'Ostovelat', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (139, 2, 'K', '32,33,34,35,36,37,38,', 135, 4, 'Muut velat', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (140, 2, 'K', '39,40,41,', 135, 5, 'Siirtovelat', '', False, False, False, 0, 'K');
