-- The nine base tables of an association book, in the Jet dialect that the
-- database layer translates. New books are copies of template books made
-- from this text; the schema upgrade adds every later field and table.
-- Field types: COUNTER (engine-assigned key), LONG, SHORT (16-bit), BIT
-- (Boolean), CURRENCY, DOUBLE, SINGLE, DATETIME, TEXT(n).

CREATE TABLE [to] (
  toID COUNTER CONSTRAINT PrimaryKey PRIMARY KEY,
  toNumero LONG,
  toPvm DATETIME,
  toSelite TEXT(255),
  toAvaustosite BIT
);

CREATE TABLE toE (
  toEID LONG CONSTRAINT PrimaryKey PRIMARY KEY,
  toENumero LONG,
  toEPvm DATETIME,
  toESelite TEXT(255),
  toEAvaustosite BIT
);

CREATE TABLE vi (
  viID COUNTER CONSTRAINT PrimaryKey PRIMARY KEY,
  vitoID LONG,
  vitlID LONG,
  viTyyppi TEXT(1),
  viArvo CURRENCY,
  viSelite TEXT(255),
  viAvausvienti BIT
);

CREATE TABLE viE (
  viEID LONG CONSTRAINT PrimaryKey PRIMARY KEY,
  viEtoID LONG,
  viEtlID LONG,
  viETyyppi TEXT(1),
  viEArvo CURRENCY,
  viESelite TEXT(255),
  viEAvausvienti BIT
);

CREATE TABLE tl (
  tlID COUNTER CONSTRAINT PrimaryKey PRIMARY KEY,
  tlNumero LONG,
  tlNimi TEXT(50),
  tlKuvaus TEXT(255),
  tlAlkusaldo CURRENCY,
  tlLoppusaldo CURRENCY
);

CREATE TABLE ma (
  maID COUNTER CONSTRAINT PrimaryKey PRIMARY KEY,
  maNimi TEXT(50),
  maTyyppi SHORT,
  maSuojattu BIT
);

CREATE TABLE mr (
  mrID COUNTER CONSTRAINT PrimaryKey PRIMARY KEY,
  mrmaID LONG,
  mrSaldoPuoli TEXT(1),
  mrTilit TEXT(255),
  mrBelongsToGroup LONG,
  mrGroupOrder LONG,
  mrTeksti TEXT(50),
  mrKaava TEXT(255),
  mrIsLiikevaihto BIT,
  mrIsEquation BIT,
  mrIsVoitto BIT,
  mrtlID LONG,
  mrviTyyppi TEXT(1)
);

CREATE TABLE tula (
  tulaID COUNTER CONSTRAINT PrimaryKey PRIMARY KEY,
  tulaTyyppi SHORT,
  tulaTeksti TEXT(50),
  tulaToteutunutKuluva CURRENCY,
  tulaProsLvastaKuluva DOUBLE,
  tulaToteutunutEdellinen CURRENCY,
  tulaProsMuutos DOUBLE,
  tulaToteutunutKuluvaAlusta CURRENCY,
  tulaProsLvastaKuluvaAlusta DOUBLE,
  tulaToteutunutEdellinenAlusta CURRENCY,
  tulaMuutosAlusta CURRENCY,
  tulaProsMuutosAlusta DOUBLE,
  tulaIsGroupRow BIT,
  tulaMerkki TEXT(10)
);

CREATE TABLE tase (
  taseID COUNTER CONSTRAINT PrimaryKey PRIMARY KEY,
  taseTyyppi SHORT,
  taseteksti TEXT(50),
  taseAlkusaldo CURRENCY,
  taseMuutos CURRENCY,
  taseLoppusaldo CURRENCY,
  taseLoppusaldoEdellinen CURRENCY,
  taseMuutosEdelliseen CURRENCY,
  taseMuutosProsEdelliseen DOUBLE,
  taseIsGroupRow BIT,
  tasetlID LONG,
  taseviTyyppi TEXT(1),
  tasePrintGroup SHORT,
  taseMerkki TEXT(10)
);

-- Lookups that the voucher window, the ledgers and the statements make
-- constantly; the program uses no index by name.
CREATE INDEX toNumero ON [to] (toNumero);
CREATE INDEX toPvm ON [to] (toPvm);
CREATE INDEX vitoID ON vi (vitoID);
CREATE INDEX vitlID ON vi (vitlID);
CREATE INDEX viEtoID ON viE (viEtoID);
CREATE INDEX viEtlID ON viE (viEtlID);
CREATE INDEX tlNumero ON tl (tlNumero);
CREATE INDEX mrmaID ON mr (mrmaID);
