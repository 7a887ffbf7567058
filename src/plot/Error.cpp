#include "plot/Error.h"

TfrmError* frmError = nullptr;

// The error window repaints on the same +-1.7 s frame as a full redraw.
void TfrmError::FormPaint() { DrawOwnFrameWhenReady(1.7); }
void TfrmError::FormResize() { DrawOwnFrameWhenReady(1.7); }
