#!/bin/sh
# The build keeps each layer to the headers of what it links (ARCHITECTURE.md): a layer's
# include path holds only the folders of the layers it links and the Qt modules it links.
# Two ways round that are refused here: an include by relative path out of the folder
# ("../store/Store.h") and a Qt header named with its module folder (<QtSql/QSqlDatabase>,
# found through the Qt include root every Qt module brings). And the front ends (the windows,
# tevo-cli) reach the file formats and the automatic-loading watch only through the session's
# operations, so that what the program does is written once.
#   scripts/check-layers.sh
set -eu
cd "$(dirname "$0")/.."
status=0
if git grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"\.\./' -- src; then
    echo "check-layers.sh: include by a path out of the folder (above)" >&2
    status=1
fi
if git grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Qt[A-Za-z]+/' -- src; then
    echo "check-layers.sh: Qt header named with its module folder (above): write <QClass>" >&2
    status=1
fi
if git grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"fileio/' -- src/shell src/cli src/app \
    | grep -vE '"fileio/(DataFolder|ColumnTitles).h"'; then
    echo "check-layers.sh: a front end includes a file format (above): call session/Operations" >&2
    status=1
fi
[ $status -eq 0 ] && echo "Layers: no include goes round the targets."
exit $status
