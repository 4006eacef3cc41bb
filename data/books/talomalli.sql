-- Talomalli: the template book for a housing company (taloyhtiö) or a
-- housing association that keeps its books like one.
--   1000-1999 vastaavaa, 2000-2999 vastattavaa,
--   3000-3999 hoitotuotot (vastikkeet, käyttökorvaukset, vuokrat),
--   4000-5999 hoitokulut, 6000-6999 poistot,
--   7000-7999 rahoitustuotot ja -kulut, 8000-8999 tilinpäätössiirrot ja verot,
--   9990      the income statement's profit account.
-- The income statement follows the housing company layout: liikevaihto,
-- hoitokulut, hoitokate, poistot, liikevoitto, rahoituserät, tilinpäätössiirrot,
-- tuloverot and the year's profit (loss).
--
-- Account 2090 is the balance-sheet profit account (setting VoittoTaseella)
-- and account 9990 the profit account of the income statement's profit row.
-- Model 2 (balance sheet) books the profit of model 1 once a book sets
-- maTulosMaID, which the schema upgrade adds.

-- Chart of accounts. Keys follow the account numbers so that the
-- model rows below can name the accounts by key.
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (1, 1050, 'Muut pitkävaikutteiset menot', 'Esim. aktivoidut perusparannukset', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (2, 1100, 'Maa- ja vesialueet', 'Tontti', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (3, 1120, 'Rakennukset ja rakennelmat', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (4, 1150, 'Koneet ja kalusto', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (5, 1190, 'Keskeneräiset hankinnat', 'Kesken olevat korjaushankkeet', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (6, 1200, 'Osakkeet ja osuudet', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (7, 1500, 'Vastikesaamiset', 'Maksamattomat hoito- ja rahoitusvastikkeet', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (8, 1510, 'Vuokrasaamiset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (9, 1520, 'Käyttökorvaussaamiset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (10, 1560, 'Muut saamiset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (11, 1570, 'Siirtosaamiset', 'Tilikaudelle kuuluvat tuotot ja ennakkoon maksetut kulut', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (12, 1900, 'Kassa', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (13, 1910, 'Pankkitili, käyttötili', 'Taloyhtiön pääasiallinen maksuliikennetili', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (14, 1920, 'Pankkitili, rahoitusvastiketili', 'Rahoitusvastikkeet ja lainanhoito', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (15, 1930, 'Pankkitili, säästötili', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (16, 2000, 'Osakepääoma', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (17, 2010, 'Rakennusrahasto', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (18, 2020, 'Muut rahastot', 'Esim. korjausrahasto', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (19, 2050, 'Edellisten tilikausien voitto (tappio)', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (20, 2090, 'Tilikauden voitto (tappio)', 'Taseen tulostili: tilikauden tulos kirjautuu tälle tilille automaattisesti', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (21, 2100, 'Poistoero', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (22, 2300, 'Pitkäaikaiset lainat rahoituslaitoksilta', 'Yhtiölainat', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (23, 2400, 'Lyhytaikaiset lainat rahoituslaitoksilta', 'Seuraavana vuonna erääntyvät lyhennykset', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (24, 2450, 'Ennakkoon maksetut vastikkeet', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (25, 2500, 'Ostovelat', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (26, 2610, 'Ennakonpidätysvelka', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (27, 2620, 'Sosiaaliturvamaksuvelka', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (28, 2630, 'Eläkevakuutusmaksuvelka', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (29, 2650, 'Arvonlisäverovelka', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (30, 2680, 'Muut lyhytaikaiset velat', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (31, 2700, 'Siirtovelat', 'Tilikaudelle kuuluvat maksamattomat kulut', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (32, 2720, 'Korkojaksotukset', 'Tilikaudelle kuuluvat maksamattomat lainojen korot', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (33, 3000, 'Hoitovastikkeet', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (34, 3010, 'Rahoitusvastikkeet', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (35, 3100, 'Vesimaksut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (36, 3110, 'Saunamaksut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (37, 3120, 'Pesutupamaksut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (38, 3130, 'Autopaikkamaksut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (39, 3140, 'Sähköautojen latausmaksut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (40, 3200, 'Asuinhuoneistojen vuokrat', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (41, 3210, 'Liiketilojen vuokrat', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (42, 3290, 'Muut hoitotuotot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (43, 4000, 'Palkat ja palkkiot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (44, 4010, 'Henkilösivukulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (45, 4100, 'Isännöinti', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (46, 4110, 'Tilin- ja toiminnantarkastus', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (47, 4120, 'Hallituksen kokouspalkkiot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (48, 4130, 'Yhtiökokouskulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (49, 4140, 'Pankkikulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (50, 4190, 'Muut hallintokulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (51, 4200, 'Huoltoyhtiö', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (52, 4210, 'Kiinteistönhoitotarvikkeet', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (53, 4300, 'Ulkoalueiden hoito', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (54, 4310, 'Lumityöt ja hiekoitus', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (55, 4400, 'Siivous', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (56, 4500, 'Lämmitys', 'Kaukolämpö', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (57, 4600, 'Vesi ja jätevesi', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (58, 4610, 'Kiinteistösähkö', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (59, 4700, 'Jätehuolto', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (60, 4800, 'Kiinteistövakuutukset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (61, 4810, 'Maanvuokra', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (62, 4820, 'Muut vuokrat', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (63, 4900, 'Kiinteistövero', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (64, 5000, 'Vuosikorjaukset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (65, 5010, 'Kuluksi kirjattavat perusparannukset', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (66, 5090, 'Muut hoitokulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (67, 6000, 'Poistot rakennuksista', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (68, 6010, 'Poistot koneista ja kalustosta', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (69, 6020, 'Poistot muista pitkävaikutteisista menoista', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (70, 7000, 'Korkotuotot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (71, 7090, 'Muut rahoitustuotot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (72, 7500, 'Lainojen korot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (73, 7590, 'Muut rahoituskulut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (74, 8000, 'Poistoeron muutos', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (75, 8500, 'Tuloverot', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (76, 9990, 'Tilikauden voitto (tappio) (tuloslaskelma)', 'Tuloslaskelman tulostili: ohjelma kirjaa tilikauden tuloksen tälle tilille, älä kirjaa tälle itse', 0, 0);

-- Statement models: 1 = income statement, 2 = balance sheet.
INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu) VALUES (1, 'Tuloslaskelma', 1, False);
INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu) VALUES (2, 'Tase', 2, False);

-- Income-statement rows. Every row sums on the credit side, so income shows
-- positive and expenses negative; group totals and the formula rows add
-- them up. The last row is the profit row: its account receives the
-- year's result from the automatic profit bookings.
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (1, 1, 'K', '', 0, 1, 'Liikevaihto', '', True, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (2, 1, 'K', '33,', 1, 1, 'Hoitovastikkeet', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (3, 1, 'K', '34,', 1, 2, 'Rahoitusvastikkeet', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (4, 1, 'K', '35,36,37,38,39,', 1, 3, 'Käyttökorvaukset', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (5, 1, 'K', '40,41,', 1, 4, 'Vuokratuotot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (6, 1, 'K', '42,', 1, 5, 'Muut hoitotuotot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (7, 1, 'K', '', 0, 2, 'Hoitokulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (8, 1, 'K', '43,44,', 7, 1, 'Henkilöstökulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (9, 1, 'K', '45,46,47,48,49,50,', 7, 2, 'Hallinto', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (10, 1, 'K', '51,52,', 7, 3, 'Käyttö ja huolto', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (11, 1, 'K', '53,54,', 7, 4, 'Ulkoalueiden hoito', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (12, 1, 'K', '55,', 7, 5, 'Siivous', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (13, 1, 'K', '56,', 7, 6, 'Lämmitys', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (14, 1, 'K', '57,', 7, 7, 'Vesi ja jätevesi', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (15, 1, 'K', '58,', 7, 8, 'Sähkö ja kaasu', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (16, 1, 'K', '59,', 7, 9, 'Jätehuolto', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (17, 1, 'K', '60,', 7, 10, 'Vahinkovakuutukset', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (18, 1, 'K', '61,62,', 7, 11, 'Vuokrat', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (19, 1, 'K', '63,', 7, 12, 'Kiinteistövero', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (20, 1, 'K', '64,65,', 7, 13, 'Korjaukset', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (21, 1, 'K', '66,', 7, 14, 'Muut hoitokulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (22, 1, 'K', '', 0, 3, 'Hoitokate', '+1,+7,', False, True, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (23, 1, 'K', '', 0, 4, 'Poistot ja arvonalentumiset', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (24, 1, 'K', '67,68,69,', 23, 1, 'Suunnitelman mukaiset poistot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (25, 1, 'K', '', 0, 5, 'Liikevoitto (-tappio)', '+22,+23,', False, True, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (26, 1, 'K', '', 0, 6, 'Rahoitustuotot ja -kulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (27, 1, 'K', '70,', 26, 1, 'Korkotuotot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (28, 1, 'K', '71,', 26, 2, 'Muut rahoitustuotot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (29, 1, 'K', '72,', 26, 3, 'Korkokulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (30, 1, 'K', '73,', 26, 4, 'Muut rahoituskulut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (31, 1, 'K', '', 0, 7, 'Voitto (tappio) ennen tilinpäätössiirtoja', '+25,+26,', False, True, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (32, 1, 'K', '', 0, 8, 'Tilinpäätössiirrot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (33, 1, 'K', '74,', 32, 1, 'Poistoeron muutos', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (34, 1, 'K', '75,', 0, 9, 'Tuloverot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (35, 1, 'K', '76,', 0, 10, 'Tilikauden voitto (tappio)', '', False, False, True, 0, 'K');

-- Balance-sheet rows: debit side under the first top group, credit side
-- under the second. The year's surplus row holds the balance-sheet profit
-- account (setting VoittoTaseella).
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (101, 2, 'D', '', 0, 1, 'VASTAAVAA', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (102, 2, 'D', '', 101, 1, 'Pysyvät vastaavat', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (103, 2, 'D', '', 102, 1, 'Aineettomat hyödykkeet', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (104, 2, 'D', '1,', 103, 1, 'Muut pitkävaikutteiset menot', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (105, 2, 'D', '', 102, 2, 'Aineelliset hyödykkeet', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (106, 2, 'D', '2,', 105, 1, 'Maa- ja vesialueet', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (107, 2, 'D', '3,', 105, 2, 'Rakennukset ja rakennelmat', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (108, 2, 'D', '4,', 105, 3, 'Koneet ja kalusto', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (109, 2, 'D', '5,', 105, 4, 'Keskeneräiset hankinnat', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (110, 2, 'D', '', 102, 3, 'Sijoitukset', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (111, 2, 'D', '6,', 110, 1, 'Osakkeet ja osuudet', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (112, 2, 'D', '', 101, 2, 'Vaihtuvat vastaavat', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (113, 2, 'D', '', 112, 1, 'Saamiset', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (114, 2, 'D', '7,8,9,', 113, 1, 'Vastike- ja vuokrasaamiset', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (115, 2, 'D', '10,', 113, 2, 'Muut saamiset', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (116, 2, 'D', '11,', 113, 3, 'Siirtosaamiset', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (117, 2, 'D', '12,13,14,15,', 112, 2, 'Rahat ja pankkisaamiset', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (118, 2, 'K', '', 0, 2, 'VASTATTAVAA', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (119, 2, 'K', '', 118, 1, 'Oma pääoma', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (120, 2, 'K', '16,', 119, 1, 'Osakepääoma', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (121, 2, 'K', '17,', 119, 2, 'Rakennusrahasto', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (122, 2, 'K', '18,', 119, 3, 'Muut rahastot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (123, 2, 'K', '19,', 119, 4, 'Edellisten tilikausien voitto (tappio)', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (124, 2, 'K', '20,', 119, 5, 'Tilikauden voitto (tappio)', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (125, 2, 'K', '', 118, 2, 'Tilinpäätössiirtojen kertymä', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (126, 2, 'K', '21,', 125, 1, 'Poistoero', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (127, 2, 'K', '', 118, 3, 'Vieras pääoma', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (128, 2, 'K', '', 127, 1, 'Pitkäaikainen vieras pääoma', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (129, 2, 'K', '22,', 128, 1, 'Lainat rahoituslaitoksilta', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (130, 2, 'K', '', 127, 2, 'Lyhytaikainen vieras pääoma', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (131, 2, 'K', '23,', 130, 1, 'Lainat rahoituslaitoksilta', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (132, 2, 'K', '24,', 130, 2, 'Saadut ennakot', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (133, 2, 'K', '25,', 130, 3, 'Ostovelat', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (134, 2, 'K', '26,27,28,29,30,', 130, 4, 'Muut velat', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (135, 2, 'K', '31,32,', 130, 5, 'Siirtovelat', '', False, False, False, 0, 'K');
