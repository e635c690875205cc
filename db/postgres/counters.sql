-- The rights the counters' role needs on a shop database, and no more: the rows of every table and view,
-- the sequences behind the numbered columns, the module's functions and the posting procedure. It cannot
-- change the schema: the database's owner makes and upgrades it (receipts-host --create-demo,
-- receipts-host --upgrade-database).
--
-- Run by the database's owner after each upgrade, naming the counters' role (made once by the server's
-- administrator, for instance with: createuser --pwprompt receipts_counter):
--
--     psql -d receipts -v counter=receipts_counter -f counters.sql

REVOKE CREATE ON SCHEMA public FROM PUBLIC;
GRANT USAGE ON SCHEMA public TO :"counter";
GRANT SELECT, INSERT, UPDATE, DELETE ON ALL TABLES IN SCHEMA public TO :"counter";
GRANT USAGE, SELECT ON ALL SEQUENCES IN SCHEMA public TO :"counter";
GRANT EXECUTE ON ALL FUNCTIONS IN SCHEMA public TO :"counter";
GRANT EXECUTE ON ALL PROCEDURES IN SCHEMA public TO :"counter";
