// Stub, replaced by the exam sequence.
#include "app/TfrmClassificatorZorvek.h"

void TfrmClassificatorZorvek::actExamenationExeExecute()
{
}
