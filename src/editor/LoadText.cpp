// Stub, defined by the import: filling a section of a bank from a text file.
#include "app/TfrmClassificatorZorvek.h"

void TfrmClassificatorZorvek::actLoadTextExecute()
{
}
