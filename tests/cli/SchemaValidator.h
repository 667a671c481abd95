#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace korv::test {

// The JSON Schemas of docs/schemas, applied by Debian's python3-jsonschema in one helper process
// for the whole test run: starting Python once costs a fraction of a second, each document after
// that about a millisecond.
namespace schemas {

// Empty when `json` is a JSON document that `schema` accepts, else why not. `schema` is a file of
// docs/schemas ("read.schema.json"), with a fragment for one of its parts.
QString problem(const QString& schema, const QByteArray& json);
// Empty when the file is itself a valid draft 2020-12 schema.
QString schemaProblem(const QString& file);
// The schema files.
QStringList files();

// The schema of what `arguments` print with --json: the command's own, or for a command that
// prints no JSON of its own the error document every refusal prints.
QString forCommandLine(const QStringList& arguments);

}  // namespace schemas

}  // namespace korv::test
