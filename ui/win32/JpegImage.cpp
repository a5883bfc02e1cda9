#include "ui/win32/JpegImage.h"

#include <wincodec.h>
#include <wrl/client.h>

#include "ui/win32/Resources.h"

namespace ign {
namespace {

using Microsoft::WRL::ComPtr;

// The decoded picture in rows of 32-bit BGR, as a bitmap the caller owns.
HBITMAP CopyToBitmap(IWICBitmapSource& source) {
  UINT width = 0, height = 0;
  if (FAILED(source.GetSize(&width, &height)) || width == 0 || height == 0) return nullptr;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = LONG(width);
  info.bmiHeader.biHeight = -LONG(height);  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr) return nullptr;
  const UINT stride = width * 4;
  if (FAILED(source.CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits)))) {
    DeleteObject(bitmap);
    return nullptr;
  }
  return bitmap;
}

}  // namespace

HBITMAP DecodeJpeg(const void* data, std::size_t size) {
  ComPtr<IWICImagingFactory> factory;
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  ComPtr<IWICFormatConverter> converter;
  if (data == nullptr || size == 0 || size > MAXDWORD) return nullptr;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_PPV_ARGS(&factory))) ||
      FAILED(factory->CreateStream(&stream)) ||
      FAILED(
          stream->InitializeFromMemory(static_cast<BYTE*>(const_cast<void*>(data)), DWORD(size))) ||
      FAILED(factory->CreateDecoderFromStream(stream.Get(), &GUID_ContainerFormatJpeg,
                                              WICDecodeMetadataCacheOnDemand, &decoder)) ||
      FAILED(decoder->GetFrame(0, &frame)) || FAILED(factory->CreateFormatConverter(&converter)) ||
      FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGR,
                                   WICBitmapDitherTypeNone, nullptr, 0,
                                   WICBitmapPaletteTypeCustom))) {
    return nullptr;
  }
  return CopyToBitmap(*converter.Get());
}

HBITMAP LoadBanner(HINSTANCE instance) {
  HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(kBannerResource), RT_RCDATA);
  if (found == nullptr) return nullptr;
  HGLOBAL loaded = LoadResource(instance, found);
  if (loaded == nullptr) return nullptr;
  return DecodeJpeg(LockResource(loaded), SizeofResource(instance, found));
}

}  // namespace ign
