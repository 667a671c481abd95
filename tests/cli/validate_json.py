#!/usr/bin/env python3
"""Validates documents against the JSON Schemas of a folder, for the command-line tests.

Usage: validate_json.py SCHEMA_FOLDER

Reads one request per line on standard input and answers each with one line, so that a test run
pays for starting Python and loading the schemas once:
  {"schema": "read.schema.json", "document": ...}  ->  "ok" or "invalid: <where>: <why>"
  {"checkSchema": "read.schema.json"}              ->  "ok" or "invalid: <why>"
"schema" is a reference as the schemas make them to each other: a file name, with a fragment when
one part of it is meant ("common.schema.json#/$defs/errorDocument").
"""

import json
import pathlib
import sys
import warnings

from jsonschema import Draft202012Validator
from jsonschema.exceptions import SchemaError, best_match

folder = pathlib.Path(sys.argv[1])
schemas = {path.name: json.loads(path.read_text(encoding="utf-8")) for path in folder.glob("*.schema.json")}

try:
    # jsonschema 4.18 and later resolve references through a registry.
    from referencing import Registry
    from referencing.jsonschema import DRAFT202012

    registry = Registry().with_resources(
        (name, DRAFT202012.create_resource(schema)) for name, schema in schemas.items()
    )

    def validator(reference):
        return Draft202012Validator({"$ref": reference}, registry=registry)

except ImportError:
    # Debian's older jsonschema: a resolver with the schemas as its store.
    from jsonschema import RefResolver

    def validator(reference):
        root = {"$ref": reference}
        with warnings.catch_warnings():
            warnings.simplefilter("ignore", DeprecationWarning)
            resolver = RefResolver(base_uri="", referrer=root, store=schemas)
        return Draft202012Validator(root, resolver=resolver)


validators = {}


def answer(request):
    if "checkSchema" in request:
        name = request["checkSchema"]
        if name not in schemas:
            return "invalid: no schema " + name
        try:
            Draft202012Validator.check_schema(schemas[name])
        except SchemaError as error:
            return "invalid: " + error.message
        return "ok"
    reference = request["schema"]
    if reference.split("#")[0] not in schemas:
        return "invalid: no schema " + reference
    if reference not in validators:
        validators[reference] = validator(reference)
    error = best_match(validators[reference].iter_errors(request["document"]))
    if error is None:
        return "ok"
    where = "/" + "/".join(str(part) for part in error.absolute_path)
    return "invalid: %s: %s" % (where, error.message)


for line in sys.stdin:
    if not line.strip():
        continue
    try:
        reply = answer(json.loads(line))
    except Exception as error:  # a broken request or schema is the test's failure, not the end of the run
        reply = "invalid: %s: %s" % (type(error).__name__, error)
    sys.stdout.write(reply.replace("\n", " ") + "\n")
    sys.stdout.flush()
