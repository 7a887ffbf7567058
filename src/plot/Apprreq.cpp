#include "plot/Apprreq.h"

TfrmApprREQ* frmApprREQ = nullptr;

// Either handler redraws all three basis windows, not only this one.
void TfrmApprREQ::FormPaint() { RedrawBasisWhenReady(); }
void TfrmApprREQ::FormResize() { RedrawBasisWhenReady(); }
