// What is drawn on the labels of one page: the grid frame, the ruled lines and the constant
// content of every label (bitmaps and literals), and the records' data fields.
#pragma once

#include <functional>
#include <string_view>

#include "label/data/data_file_reader.h"
#include "label/definition/label_definition.h"
#include "label/definition/quorvi_doc.h"
#include "label/definition/text_macros.h"
#include "label/print/page_texts.h"
#include "label/print/print_settings.h"
#include "label/print/sheet_geometry.h"
#include "label/surface/draw_surface.h"

namespace qv {

// Draws bitmap slot `slot` (0 or 1) of the definition into `target` (logical units). Bitmaps are
// loaded by the document; without a painter the slots stay empty.
using BitmapPainter =
    std::function<void(DrawSurface&, int slot, const BitmapPlacement&, const LogicalRect&)>;

// The painter that stretches the document's loaded bitmaps; a slot not loaded is skipped.
BitmapPainter paintLoadedBitmaps(const LoadedBitmaps& bitmaps);

// The top-left corner of the label in `column`, `row` at the page placement.
LogicalPoint labelCorner(const SheetGeometry& sheet, const PagePlacement& place, int column,
                         int row);

// The outline of the label grid and the lines between the labels (0.6 and 0.3 mm), at scale 10
// from the page's corner; afterwards the thinnest black pen is current.
void drawGridFrame(DrawSurface& surface, const SheetGeometry& sheet);

// The outlines of the labels from fill-order index `firstLabel` on, for the first page of a
// partly used sheet: the grid's outer edges 0.6 mm, the others 0.3 mm, as drawGridFrame draws
// them; the labels before stay blank.
void drawLabelFrames(DrawSurface& surface, const SheetGeometry& sheet, int firstLabel);

// The ruled lines of the definition on every label of the grid from fill-order index
// `firstLabel` on.
void drawRuledLines(DrawSurface& surface, const LabelDefinition& definition,
                    const PagePlacement& place, int firstLabel = 0);

// Bitmaps and literals on every label from fill-order index `firstLabel` on, in fill order.
// `labelCounter` starts at the page's value and goes up with every "\@" literal.
void drawConstants(DrawSurface& surface, const LabelDefinition& definition,
                   const PagePlacement& place, int& labelCounter, const MacroTimestamp& time,
                   const DateSettings& date, const BitmapPainter& bitmaps, int firstLabel = 0);

// A barcode field as it is drawn on one label: told to an observer, so that a check of the page
// finds every symbol where the drawing put it.
struct DrawnBarcode {
    int page = 0;            // from 1; set by the print job
    int label = 0;           // the label's place in the fill order, from 1
    int field = 0;           // index into the field table
    std::string_view value;  // the record's value, before preparation (Shift-JIS)
    LogicalPoint corner;     // the label's top-left corner on the page
};
using BarcodeObserver = std::function<void(const DrawnBarcode&)>;

// The data fields of the page's records: the i-th label in fill order from `firstLabel` on gets
// the i-th record. Drawing a barcode field sets the definition's barTextFlag from that field's
// show-text bit; `observer`, when set, is told of every barcode field drawn.
void drawDataLabels(DrawSurface& surface, LabelDefinition& definition, DataFileReader& reader,
                    const PrintSettings& settings, int firstLabel = 0,
                    const BarcodeObserver& observer = {});

// One text field of one label, with its corner at `corner`, at `scale` logical units per mm
// (10 when printing; the layout editor draws at its zoom).
void drawTextField(DrawSurface& surface, const LabelDefinition& definition, int fieldIndex,
                   const std::string& value, LogicalPoint corner, int scale = kLogicalUnitsPerMm);

}  // namespace qv
