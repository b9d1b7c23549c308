#pragma once
#include "prompts.h"

// The file-name record of matrix files: the filter with the configured
// extension first, that extension as default, files that must exist when
// opening. The name is a full path or an untitled name.
FileNameRecord matrixFileRecord(const QString& fileName = QString());

// The file-name record of the protocol export: text files.
FileNameRecord protocolFileRecord();
