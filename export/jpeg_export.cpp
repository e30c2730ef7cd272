// The Save command: the Save-As dialog, then the current view rendered and written as a JPEG.
#include "viewer_dlg.h"

#include "export_message.h"
#include "gdiplus_drawing.h"
#include "gdiplus_image.h"
#include "jpeg_comment.h"
#include "jpeg_encoder.h"
#include "save_as_jpeg_dlg.h"
#include "staged_file.h"
#include "viewer_app.h"

#include <cstring>
#include <memory>

using Gdiplus::Ok;

namespace {

// The temporary file's name is ANSI; the imaging library takes UTF-16.
std::wstring WidePath(const char* pszAnsi) {
    wchar_t wide[1024] = L"";
    ::MultiByteToWideChar(CP_ACP, 0, pszAnsi, static_cast<int>(std::strlen(pszAnsi)), wide, 1023);
    return wide;
}

} // namespace

void ViewerDlg::OnSavePicture() {
    ReleaseZoomToggles();
    SaveAsJpegDlg dlg(this);
    INT_PTR result = dlg.DoModal();
    CString path = theApp.m_strSavePath;
    DrawPicture();
    if (result != IDOK) {
        return;
    }
    theApp.BeginWaitCursor();
    int exported = ExportJpeg(path);
    theApp.RestoreWaitCursor();
    CString text;
    text.LoadString(ExportMessageStringId(exported));
    std::wstring message = ExportMessageText(exported, static_cast<const wchar_t*>(path),
                                             static_cast<const wchar_t*>(text));
    MessageBox(message.c_str(), kRecorderCaption, ExportMessageStyle(exported));
    theApp.EndWaitCursor();
}

// The working picture goes through the temporary file first, so the saved view is drawn from
// what the JPEG encoder made of it. The new JPEG, with the record of where it came from, is
// complete before it replaces anything. A step that fails stops the export: nothing is written.
int ViewerDlg::ExportJpeg(CString strPath) {
    CLSID jpeg;
    if (FindEncoderByMimeType(L"image/jpeg", &jpeg) < 0) {
        return kExportFailed;
    }
    JpegQualityParameters quality;
    std::wstring tempPath = WidePath(m_szTempFile);
    std::unique_ptr<GdiplusImage> clone(m_pImage->Clone());
    if (clone->SaveToFile(tempPath.c_str(), jpeg, quality.Get()) != Ok) {
        return ExportFailureFor(::GetLastError());
    }
    std::unique_ptr<GdiplusImage> picture(GdiplusImage::FromFile(tempPath.c_str()));
    if (picture->Native() == nullptr || !RenderViewInto(*picture)) {
        return kExportFailed;
    }
    std::string encoded;
    std::string withRecord;
    if (picture->SaveToMemory(jpeg, quality.Get(), &encoded) != Ok ||
        !InsertJpegComment(encoded, ProvenanceText(RecordOfView()), &withRecord)) {
        return kExportFailed;
    }
    StagedFile staged(static_cast<const wchar_t*>(strPath));
    if (!staged.Created()) {
        return ExportFailureFor(staged.Error());
    }
    if (!staged.Write(withRecord) || !staged.Commit()) {
        return ExportFailureFor(staged.Error());
    }
    return kExportDone;
}

// Draws the current source rectangle over the whole picture with the view's gamma and
// interpolation. The draw reads from an untouched copy, since it overwrites what it reads.
bool ViewerDlg::RenderViewInto(GdiplusImage& picture) {
    std::unique_ptr<GdiplusImage> source(picture.Clone());
    int width = static_cast<int>(picture.Width());
    int height = static_cast<int>(picture.Height());
    GammaAttributes attributes(m_fGamma);
    GdiplusGraphics graphics(picture);
    if (graphics.Native() == nullptr) {
        return false;
    }
    graphics.SetInterpolationMode(m_nInterpolation);
    return graphics.DrawImage(
               *source, CRect(0, 0, width, height),
               CRect(m_nSrcX, m_nSrcY, m_nSrcX + m_nSrcWidth, m_nSrcY + m_nSrcHeight),
               attributes.Native()) == Ok;
}
