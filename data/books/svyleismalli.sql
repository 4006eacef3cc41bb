-- Svyleismalli: the general template book for a Swedish-speaking association
-- (förening). The same chart and the same statement models as yleismalli,
-- account for account and row for row, with Swedish names:
--   1000-1999 aktiva, 2000-2999 passiva,
--   3000-3999 intäkter av egentlig verksamhet,
--   4000-4999 kostnader för egentlig verksamhet,
--   5000-5999 medelanskaffning, 6000-6999 investering och finansiering,
--   7000-7999 allmänna understöd, 8000-8999 bokslutsdispositioner och skatter,
--   9990      the income statement's profit account.
--
-- Account 2090 is the balance-sheet profit account (setting VoittoTaseella)
-- and account 9990 the profit account of the income statement's profit row.
-- Model 2 (balance sheet) books the profit of model 1 once a book sets
-- maTulosMaID, which the schema upgrade adds.

-- Chart of accounts. Keys follow the account numbers so that the
-- model rows below can name the accounts by key.
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (1, 1010, 'Immateriella rättigheter', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (2, 1050, 'Övriga utgifter med lång verkningstid', 'T.ex. grundförbättringar i hyrda lokaler', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (3, 1100, 'Mark- och vattenområden', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (4, 1120, 'Byggnader och konstruktioner', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (5, 1150, 'Maskiner och inventarier', 'Aktiverade maskin- och inventarieanskaffningar, avskrivning på restvärdet', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (6, 1180, 'Övriga materiella tillgångar', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (7, 1200, 'Aktier och andelar', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (8, 1250, 'Övriga placeringar', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (9, 1400, 'Material och förnödenheter', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (10, 1420, 'Produkter för försäljning', 'Lager av produkter som anskaffats för försäljning', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (11, 1500, 'Kundfordringar', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (12, 1510, 'Medlemsavgiftsfordringar', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (13, 1530, 'Lånefordringar', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (14, 1550, 'Understödsfordringar', 'Beviljade understöd som ännu inte betalats', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (15, 1560, 'Övriga fordringar', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (16, 1570, 'Aktiva resultatregleringar', 'Intäkter som hör till räkenskapsperioden och förskottsbetalda kostnader', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (17, 1700, 'Finansiella värdepapper', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (18, 1900, 'Kassa', 'Kontanta medel', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (19, 1910, 'Bankkonto, brukskonto', 'Föreningens huvudsakliga konto för betalningar', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (20, 1920, 'Bankkonto, sparkonto', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (21, 1930, 'Bankkonto, projektkonto', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (22, 2010, 'Bundna fonder', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (23, 2020, 'Fria fonder', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (24, 2050, 'Över-/underskott från tidigare räkenskapsperioder', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (25, 2090, 'Räkenskapsperiodens över-/underskott', 'Balansräkningens resultatkonto: periodens resultat bokförs automatiskt på detta konto', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (26, 2100, 'Avskrivningsdifferens', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (27, 2150, 'Frivilliga reserveringar', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (28, 2200, 'Obligatoriska reserveringar', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (29, 2300, 'Långfristiga lån från kreditinstitut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (30, 2350, 'Övriga långfristiga skulder', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (31, 2400, 'Kortfristiga lån från kreditinstitut', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (32, 2450, 'Erhållna förskott', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (33, 2500, 'Leverantörsskulder', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (34, 2610, 'Förskottsinnehållningsskuld', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (35, 2620, 'Socialskyddsavgiftsskuld', 'Arbetsgivarens sjukförsäkringsavgift', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (36, 2630, 'Pensionsförsäkringsavgiftsskuld', 'ArPL-avgifter, arbetsgivarens och arbetstagarens andel', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (37, 2640, 'Arbetslöshetsförsäkringsavgiftsskuld', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (38, 2650, 'Mervärdesskatteskuld', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (39, 2680, 'Övriga kortfristiga skulder', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (40, 2700, 'Passiva resultatregleringar', 'Obetalda kostnader som hör till räkenskapsperioden', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (41, 2710, 'Semesterlöneskuld', 'Periodisering av semesterlöner med bikostnader', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (42, 2750, 'Oanvända understöd', 'Riktade understöd som överförs till följande räkenskapsperiod', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (43, 3000, 'Deltagaravgifter', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (44, 3010, 'Kursavgifter', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (45, 3020, 'Läger- och utfärdsavgifter', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (46, 3030, 'Inträdesavgifter till evenemang', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (47, 3040, 'Försäljning av publikationer', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (48, 3050, 'Intäktskonto 1', 'Namnge enligt föreningens egen verksamhetsform', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (49, 3060, 'Intäktskonto 2', 'Namnge enligt föreningens egen verksamhetsform', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (50, 3070, 'Intäktskonto 3', 'Namnge enligt föreningens egen verksamhetsform', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (51, 3100, 'Riktade understöd från kommunen', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (52, 3110, 'Riktade understöd från staten', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (53, 3120, 'Riktade understöd från stiftelser och andra', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (54, 3190, 'Övriga intäkter av egentlig verksamhet', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (55, 4000, 'Löner och arvoden', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (56, 4010, 'Semesterlöner', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (57, 4050, 'Föreläsar- och ledararvoden', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (58, 4100, 'Pensionskostnader', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (59, 4150, 'Socialskyddsavgifter', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (60, 4160, 'Olycksfalls- och arbetslöshetsförsäkringsavgifter', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (61, 4190, 'Övriga lönebikostnader', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (62, 4200, 'Avskrivningar på immateriella tillgångar', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (63, 4210, 'Avskrivningar på materiella tillgångar', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (64, 4300, 'Lokalhyror', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (65, 4310, 'Övriga lokalkostnader', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (66, 4400, 'Möteskostnader', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (67, 4410, 'Resekostnader', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (68, 4420, 'Kilometerersättningar och dagtraktamenten', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (69, 4430, 'Utbildningskostnader', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (70, 4440, 'Läger- och utfärdskostnader', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (71, 4450, 'Förnödenheter och material', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (72, 4460, 'Evenemangskostnader', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (73, 4470, 'Information och publikationer', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (74, 4500, 'Kontorsmaterial', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (75, 4510, 'Telefon- och datakommunikationskostnader', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (76, 4520, 'Portokostnader', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (77, 4530, 'IT-kostnader', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (78, 4540, 'Inventarieanskaffningar', 'Smärre anskaffningar som bokförs direkt som kostnad', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (79, 4600, 'Medlemsavgifter till andra sammanslutningar', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (80, 4610, 'Försäkringar', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (81, 4620, 'Revision och verksamhetsgranskning', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (82, 4630, 'Bokföringstjänster', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (83, 4640, 'Bankavgifter', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (84, 4650, 'Uppvaktningar', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (85, 4690, 'Övriga verksamhetskostnader', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (86, 4700, 'Kostnadskonto 1', 'Namnge enligt föreningens egen verksamhetsform', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (87, 4710, 'Kostnadskonto 2', 'Namnge enligt föreningens egen verksamhetsform', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (88, 4720, 'Kostnadskonto 3', 'Namnge enligt föreningens egen verksamhetsform', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (89, 4900, 'Beviljade understöd och stipendier', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (90, 5000, 'Medlemsavgifter', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (91, 5010, 'Stödmedlemsavgifter', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (92, 5100, 'Donationer', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (93, 5110, 'Intäkter av penninginsamlingar', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (94, 5200, 'Produktförsäljning', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (95, 5210, 'Lotteriintäkter', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (96, 5220, 'Annonsintäkter', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (97, 5230, 'Intäkter av basarer och evenemang', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (98, 5290, 'Övriga intäkter av medelanskaffning', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (99, 5500, 'Inköp av produkter för försäljning', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (100, 5510, 'Lagerförändring', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (101, 5520, 'Lotterikostnader', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (102, 5530, 'Kostnader för basarer och evenemang', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (103, 5590, 'Övriga kostnader för medelanskaffning', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (104, 6000, 'Ränteintäkter', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (105, 6010, 'Dividendintäkter', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (106, 6020, 'Hyresintäkter', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (107, 6030, 'Försäljningsvinster på placeringar', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (108, 6090, 'Övriga finansiella intäkter', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (109, 6500, 'Räntekostnader', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (110, 6510, 'Kostnader för placeringsverksamhet', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (111, 6520, 'Försäljningsförluster på placeringar', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (112, 6590, 'Övriga finansiella kostnader', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (113, 7000, 'Allmänt understöd från staten', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (114, 7010, 'Allmänt understöd från kommunen', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (115, 7090, 'Övriga allmänna understöd', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (116, 8000, 'Förändring av avskrivningsdifferens', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (117, 8100, 'Förändring av frivilliga reserveringar', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (118, 8500, 'Inkomstskatter', ' ', 0, 0);
INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo) VALUES (119, 9990, 'Periodens över-/underskott (resultaträkning)', 'Resultaträkningens resultatkonto: programmet bokför periodens resultat på detta konto, bokför inte själv på kontot', 0, 0);

-- Statement models: 1 = income statement, 2 = balance sheet.
INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu) VALUES (1, 'Resultaträkning', 1, False);
INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu) VALUES (2, 'Balansräkning', 2, False);

-- Income-statement rows. Every row sums on the credit side, so income shows
-- positive and expenses negative; group totals and the formula rows add
-- them up. The last row is the profit row: its account receives the
-- year's result from the automatic profit bookings.
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (1, 1, 'K', '', 0, 1, 'Intäkter av egentlig verksamhet', '', True, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (2, 1, 'K', '43,44,', 1, 1, 'Deltagar- och kursavgifter', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (3, 1, 'K', '45,', 1, 2, 'Läger- och utfärdsavgifter', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (4, 1, 'K', '46,', 1, 3, 'Evenemangsintäkter', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (5, 1, 'K', '47,', 1, 4, 'Försäljning av publikationer', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (6, 1, 'K', '48,49,50,', 1, 5, 'Intäkter av verksamhetsformer', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (7, 1, 'K', '51,52,53,', 1, 6, 'Erhållna riktade understöd', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (8, 1, 'K', '54,', 1, 7, 'Övriga intäkter', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (9, 1, 'K', '', 0, 2, 'Kostnader för egentlig verksamhet', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (10, 1, 'K', '', 9, 1, 'Personalkostnader', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (11, 1, 'K', '55,56,57,', 10, 1, 'Löner och arvoden', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (12, 1, 'K', '58,', 10, 2, 'Pensionskostnader', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (13, 1, 'K', '59,60,61,', 10, 3, 'Övriga lönebikostnader', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (14, 1, 'K', '62,63,', 9, 2, 'Avskrivningar', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (15, 1, 'K', '', 9, 3, 'Övriga kostnader', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (16, 1, 'K', '64,65,', 15, 1, 'Lokalkostnader', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (17, 1, 'K', '66,72,', 15, 2, 'Mötes- och evenemangskostnader', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (18, 1, 'K', '67,68,', 15, 3, 'Resekostnader', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (19, 1, 'K', '69,', 15, 4, 'Utbildningskostnader', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (20, 1, 'K', '70,', 15, 5, 'Läger- och utfärdskostnader', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (21, 1, 'K', '71,', 15, 6, 'Förnödenheter och material', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (22, 1, 'K', '73,', 15, 7, 'Information och publikationer', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (23, 1, 'K', '86,87,88,', 15, 8, 'Kostnader för verksamhetsformer', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (24, 1, 'K', '74,75,76,77,78,81,82,83,', 15, 9, 'Administrationskostnader', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (25, 1, 'K', '79,80,', 15, 10, 'Medlemsavgifter och försäkringar', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (26, 1, 'K', '89,', 15, 11, 'Beviljade understöd och stipendier', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (27, 1, 'K', '84,85,', 15, 12, 'Övriga verksamhetskostnader', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (28, 1, 'K', '', 0, 3, 'Egentlig verksamhet, intäkts-/kostnadsöverskott', '+1,+9,', False, True, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (29, 1, 'K', '', 0, 4, 'Intäkter av medelanskaffning', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (30, 1, 'K', '90,91,', 29, 1, 'Medlemsavgifter', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (31, 1, 'K', '92,93,', 29, 2, 'Donationer och insamlingar', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (32, 1, 'K', '94,97,', 29, 3, 'Produktförsäljning och basarer', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (33, 1, 'K', '95,', 29, 4, 'Lotterier', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (34, 1, 'K', '96,', 29, 5, 'Annonsintäkter', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (35, 1, 'K', '98,', 29, 6, 'Övriga intäkter av medelanskaffning', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (36, 1, 'K', '', 0, 5, 'Kostnader för medelanskaffning', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (37, 1, 'K', '99,100,', 36, 1, 'Inköp och lagerförändring', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (38, 1, 'K', '101,', 36, 2, 'Lotterikostnader', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (39, 1, 'K', '102,', 36, 3, 'Kostnader för basarer och evenemang', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (40, 1, 'K', '103,', 36, 4, 'Övriga kostnader för medelanskaffning', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (41, 1, 'K', '', 0, 6, 'Medelanskaffning, intäkts-/kostnadsöverskott', '+29,+36,', False, True, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (42, 1, 'K', '', 0, 7, 'Intäkter av investering och finansiering', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (43, 1, 'K', '104,105,', 42, 1, 'Ränte- och dividendintäkter', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (44, 1, 'K', '106,', 42, 2, 'Hyresintäkter', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (45, 1, 'K', '107,108,', 42, 3, 'Övriga investerings- och finansieringsintäkter', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (46, 1, 'K', '', 0, 8, 'Kostnader för investering och finansiering', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (47, 1, 'K', '109,', 46, 1, 'Räntekostnader', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (48, 1, 'K', '110,111,112,', 46, 2, 'Övriga investerings- och finansieringskostnader', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (49, 1, 'K', '', 0, 9, 'Investering och finansiering, över-/underskott', '+42,+46,', False, True, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (50, 1, 'K', '', 0, 10, 'Intäkts-/kostnadsöverskott', '+28,+41,+49,', False, True, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (51, 1, 'K', '', 0, 11, 'Allmänna understöd', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (52, 1, 'K', '113,', 51, 1, 'Allmänt understöd från staten', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (53, 1, 'K', '114,', 51, 2, 'Allmänt understöd från kommunen', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (54, 1, 'K', '115,', 51, 3, 'Övriga allmänna understöd', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (55, 1, 'K', '', 0, 12, 'Räkenskapsperiodens resultat', '+50,+51,', False, True, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (56, 1, 'K', '', 0, 13, 'Bokslutsdispositioner', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (57, 1, 'K', '116,', 56, 1, 'Förändring av avskrivningsdifferens', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (58, 1, 'K', '117,', 56, 2, 'Förändring av frivilliga reserveringar', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (59, 1, 'K', '118,', 0, 14, 'Inkomstskatter', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (60, 1, 'K', '119,', 0, 15, 'Räkenskapsperiodens överskott (underskott)', '', False, False, True, 0, 'K');

-- Balance-sheet rows: debit side under the first top group, credit side
-- under the second. The year's surplus row holds the balance-sheet profit
-- account (setting VoittoTaseella).
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (101, 2, 'D', '', 0, 1, 'AKTIVA', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (102, 2, 'D', '', 101, 1, 'Bestående aktiva', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (103, 2, 'D', '', 102, 1, 'Immateriella tillgångar', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (104, 2, 'D', '1,', 103, 1, 'Immateriella rättigheter', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (105, 2, 'D', '2,', 103, 2, 'Övriga utgifter med lång verkningstid', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (106, 2, 'D', '', 102, 2, 'Materiella tillgångar', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (107, 2, 'D', '3,', 106, 1, 'Mark- och vattenområden', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (108, 2, 'D', '4,', 106, 2, 'Byggnader och konstruktioner', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (109, 2, 'D', '5,', 106, 3, 'Maskiner och inventarier', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (110, 2, 'D', '6,', 106, 4, 'Övriga materiella tillgångar', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (111, 2, 'D', '', 102, 3, 'Placeringar', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (112, 2, 'D', '7,', 111, 1, 'Aktier och andelar', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (113, 2, 'D', '8,', 111, 2, 'Övriga placeringar', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (114, 2, 'D', '', 101, 2, 'Rörliga aktiva', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (115, 2, 'D', '', 114, 1, 'Omsättningstillgångar', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (116, 2, 'D', '9,', 115, 1, 'Material och förnödenheter', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (117, 2, 'D', '10,', 115, 2, 'Färdiga produkter/varor', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (118, 2, 'D', '', 114, 2, 'Fordringar', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (119, 2, 'D', '11,', 118, 1, 'Kundfordringar', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (120, 2, 'D', '13,', 118, 2, 'Lånefordringar', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (121, 2, 'D', '12,14,15,', 118, 3, 'Övriga fordringar', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (122, 2, 'D', '16,', 118, 4, 'Resultatregleringar', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (123, 2, 'D', '17,', 114, 3, 'Finansiella värdepapper', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (124, 2, 'D', '18,19,20,21,', 114, 4, 'Kassa och bank', '', False, False, False, 0, 'D');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (125, 2, 'K', '', 0, 2, 'PASSIVA', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (126, 2, 'K', '', 125, 1, 'Eget kapital', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (127, 2, 'K', '22,', 126, 1, 'Bundna fonder', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (128, 2, 'K', '23,', 126, 2, 'Fria fonder', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (129, 2, 'K', '24,', 126, 3, 'Över-/underskott från tidigare räkenskapsperioder', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (130, 2, 'K', '25,', 126, 4, 'Räkenskapsperiodens över-/underskott', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (131, 2, 'K', '', 125, 2, 'Ackumulerade bokslutsdispositioner', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (132, 2, 'K', '26,', 131, 1, 'Avskrivningsdifferens', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (133, 2, 'K', '27,', 131, 2, 'Frivilliga reserveringar', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (134, 2, 'K', '28,', 125, 3, 'Obligatoriska reserveringar', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (135, 2, 'K', '', 125, 4, 'Främmande kapital', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (136, 2, 'K', '', 135, 1, 'Långfristigt främmande kapital', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (137, 2, 'K', '29,', 136, 1, 'Lån från kreditinstitut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (138, 2, 'K', '30,', 136, 2, 'Övriga långfristiga skulder', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (139, 2, 'K', '', 135, 2, 'Kortfristigt främmande kapital', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (140, 2, 'K', '31,', 139, 1, 'Lån från kreditinstitut', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (141, 2, 'K', '32,', 139, 2, 'Erhållna förskott', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (142, 2, 'K', '33,', 139, 3, 'Leverantörsskulder', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (143, 2, 'K', '34,35,36,37,38,39,', 139, 4, 'Övriga skulder', '', False, False, False, 0, 'K');
INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (144, 2, 'K', '40,41,42,', 139, 5, 'Resultatregleringar', '', False, False, False, 0, 'K');
