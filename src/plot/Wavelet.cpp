#include "plot/Wavelet.h"

TfrmWavelet* frmWavelet = nullptr;

// A paint request of this window alone draws nothing: the window keeps the
// picture of the last RedrawBasisWindows, which every change of Delta, level or
// zoom and every paint of the other two basis windows renews, so it is current.
void TfrmWavelet::FormPaint() {}
void TfrmWavelet::FormResize() { RedrawBasisWhenReady(); }
