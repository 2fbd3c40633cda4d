-- The blank database BLANK.FDB, from which the program makes its own database at the first start.
-- scrie_blankfdb creates the file (page size 8192, default character set UTF8, owner SYSDBA) and
-- runs these statements in order, each in a transaction of its own.
--
-- This is the schema at version 1: the program upgrades it at the first start (version 2 adds
-- PROFIL_DIPLOMA.LATIME_SUGERATA and COD_LINIE, version 3 adds ORDINE) and creates everything
-- that depends on the registered certificate: one table per record table T with its key PK_T,
-- its generator G_ID_T, the columns ID_T and IDF_T of "DATE" and their constraints FK_T_1 and
-- FK_T_2.

-- The schema version: exactly one row.
CREATE TABLE CONFID_DB (
    VERSIUNE INTEGER NOT NULL
);
INSERT INTO CONFID_DB (VERSIUNE) VALUES (1);

-- The diploma profile, one row per data field, copied from the profile file at every start.
CREATE TABLE PROFIL_DIPLOMA (
    COD_FORMULAR    VARCHAR(64) NOT NULL,
    COD_PAGINA      VARCHAR(64) NOT NULL,
    COD_CAMP        VARCHAR(64) NOT NULL,
    SIMILAR_CU      VARCHAR(200),
    ONOREZ_SIMILAR  VARCHAR(16),
    ETICHETA_EDITOR VARCHAR(256),
    FORMULA         VARCHAR(1024),
    VIZIBIL         VARCHAR(16),
    TIP_DE_DATE     VARCHAR(32),
    ASOCIAT_CU      VARCHAR(31),
    GRUP            VARCHAR(64),
    CONSTRAINT PK_PROFIL_DIPLOMA PRIMARY KEY (COD_FORMULAR, COD_PAGINA, COD_CAMP)
);

-- The record tables of the certificate, copied from its table catalogue at every start.
CREATE TABLE TABELE (
    NUME_TABEL   VARCHAR(31) NOT NULL,
    EXP_DENUMIRE VARCHAR(1024),
    CONSTRAINT PK_TABELE PRIMARY KEY (NUME_TABEL)
);

-- The names of the field data types.
CREATE TABLE TIPURI_DE_DATE (
    TIP_DE_DATE VARCHAR(32) NOT NULL,
    CONSTRAINT PK_TIPURI_DE_DATE PRIMARY KEY (TIP_DE_DATE)
);

-- The value store: one row per field and owning record, the value as text. The program adds
-- ID_T and IDF_T for every record table T; their foreign keys index them.
CREATE TABLE "DATE" (
    COD_FORMULAR VARCHAR(64) NOT NULL,
    COD_PAGINA   VARCHAR(64) NOT NULL,
    COD_CAMP     VARCHAR(64) NOT NULL,
    VALOARE_TEXT VARCHAR(1024),
    VALOARE_NUM  DOUBLE PRECISION
);
