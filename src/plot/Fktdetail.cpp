#include "plot/Fktdetail.h"

TfrmDetails* frmDetails = nullptr;

// Its own repaint uses +-1.5 s; a full redraw after a computation +-1.7 s.
void TfrmDetails::FormPaint() { DrawOwnFrameWhenReady(1.5); }
void TfrmDetails::FormResize() { DrawOwnFrameWhenReady(1.5); }
