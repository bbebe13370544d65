-- SPDX-License-Identifier: MIT
-- The functions of the extension numerant, in the schema numerant. Each
-- answers from its arguments alone, so each may stand in a CHECK constraint,
-- an expression index or a generated column, and runs in parallel workers.

\echo Use "CREATE EXTENSION numerant" to load this file. \quit

CREATE FUNCTION numerant.check(scheme text, number text) RETURNS boolean
  AS 'MODULE_PATHNAME', 'numerant_check'
  LANGUAGE C IMMUTABLE STRICT PARALLEL SAFE;
COMMENT ON FUNCTION numerant.check(text, text) IS
  'Whether the complete number, check characters included, is valid in the scheme';

CREATE FUNCTION numerant.calculate(scheme text, payload text) RETURNS text
  AS 'MODULE_PATHNAME', 'numerant_calculate'
  LANGUAGE C IMMUTABLE STRICT PARALLEL SAFE;
COMMENT ON FUNCTION numerant.calculate(text, text) IS
  'The check characters of a payload, or NULL where it has none';

CREATE FUNCTION numerant.complete(scheme text, payload text) RETURNS text
  AS 'MODULE_PATHNAME', 'numerant_complete'
  LANGUAGE C IMMUTABLE STRICT PARALLEL SAFE;
COMMENT ON FUNCTION numerant.complete(text, text) IS
  'The payload with its check characters in their place, or NULL where it has none';

CREATE FUNCTION numerant.format_number(scheme text, number text) RETURNS text
  AS 'MODULE_PATHNAME', 'numerant_format_number'
  LANGUAGE C IMMUTABLE STRICT PARALLEL SAFE;
COMMENT ON FUNCTION numerant.format_number(text, text) IS
  'The number in its customary written form, or its compact form where the scheme has none';

CREATE FUNCTION numerant.compact(scheme text, number text) RETURNS text
  AS 'MODULE_PATHNAME', 'numerant_compact'
  LANGUAGE C IMMUTABLE STRICT PARALLEL SAFE;
COMMENT ON FUNCTION numerant.compact(text, text) IS
  'The number without separators and country prefix, upper-cased where the scheme folds case';

CREATE FUNCTION numerant.explain(scheme text, number text) RETURNS jsonb
  AS 'MODULE_PATHNAME', 'numerant_explain'
  LANGUAGE C IMMUTABLE STRICT PARALLEL SAFE;
COMMENT ON FUNCTION numerant.explain(text, text) IS
  'Why the number is valid or not: {"kind": ...} with the members of that kind';

CREATE FUNCTION numerant.fields(scheme text, number text) RETURNS jsonb
  AS 'MODULE_PATHNAME', 'numerant_fields'
  LANGUAGE C IMMUTABLE STRICT PARALLEL SAFE;
COMMENT ON FUNCTION numerant.fields(text, text) IS
  'What the number tells: the check digit and the fields it encodes, by name';

CREATE FUNCTION numerant.schemes(OUT name text, OUT description text, OUT lengths jsonb)
  RETURNS SETOF record
  AS 'MODULE_PATHNAME', 'numerant_schemes'
  LANGUAGE C IMMUTABLE STRICT PARALLEL SAFE ROWS 55;
COMMENT ON FUNCTION numerant.schemes() IS
  'Every scheme by name, what it is, and the lengths of its numbers';
