#include "exchange/ldraw/shapes/LDrawFlatten.h"

#include "base/Error.h"
#include "base/FileNames.h"
#include "base/Text.h"
#include "exchange/ldraw/shapes/LDrawLibrary.h"

#include <algorithm>
#include <cmath>

namespace {
// A placement: the 3x3 matrix by rows, then the offset.
struct TTransform {
    double M[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
    double T[3] = {0, 0, 0};

    TLDrawPoint Apply(const double* p) const {
        TLDrawPoint r;
        for (int row = 0; row < 3; ++row)
            r[size_t(row)] =
                T[row] + M[row * 3] * p[0] + M[row * 3 + 1] * p[1] + M[row * 3 + 2] * p[2];
        return r;
    }
    // This placement followed by a child's position and matrix (LDraw's order).
    TTransform Then(const double* numbers) const {
        TTransform r;
        TLDrawPoint origin = Apply(numbers);
        std::copy(origin.begin(), origin.end(), r.T);
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 3; ++column) {
                double sum = 0;
                for (int k = 0; k < 3; ++k)
                    sum += M[row * 3 + k] * numbers[3 + k * 3 + column];
                r.M[row * 3 + column] = sum;
            }
        return r;
    }
    double Determinant() const {
        return M[0] * (M[4] * M[8] - M[5] * M[7]) - M[1] * (M[3] * M[8] - M[5] * M[6]) +
               M[2] * (M[3] * M[7] - M[4] * M[6]);
    }
};

constexpr double Tolerance = 1e-3;

bool Near(double a, double b) {
    return std::fabs(a - b) < Tolerance;
}

// Stud and tube primitives with an upright axis and their usual width are drawn as studs.
bool HasStudWidth(const TTransform& t) {
    // The local X and Z axes must lie flat and keep their length; local Y must be vertical.
    return Near(t.M[3], 0) && Near(t.M[5], 0) && Near(t.M[1], 0) && Near(t.M[7], 0) &&
           Near(std::hypot(t.M[0], t.M[6]), 1) && Near(std::hypot(t.M[2], t.M[8]), 1) &&
           std::fabs(t.M[4]) > Tolerance;
}

std::string PlainName(const std::string& file) {
    return LowerCase(NormaliseSeparators(Trim(file)));
}

bool IsTopStud(const std::string& name) {
    return name == "stud.dat" || name == "stud2.dat" || name == "stud2a.dat" ||
           name.starts_with("stud-logo") || name.starts_with("stud2-logo");
}

bool IsTube(const std::string& name) {
    return name == "stud4.dat" || name == "stud4a.dat" || name == "stud4o.dat";
}

class TFlattener {
public:
    explicit TFlattener(TLDrawLibrary& library) : Library(library) {}

    TLDrawMesh Run(const std::string& file, const double matrix[9]) {
        const TLDrawLibraryFile* part = Library.Load(file);
        if (!part)
            throw TError("The LDraw library has no part " + file);
        TopName = file;
        TTransform placement;
        std::copy(matrix, matrix + 9, placement.M);
        TLDrawColourCode main;
        Chain.push_back(part->Path);
        Visit(*part, placement, main, false, true, 0);
        return std::move(Mesh);
    }

private:
    void Visit(const TLDrawLibraryFile& file, const TTransform& placement,
               const TLDrawColourCode& colour, bool inverted, bool cullable, int depth) {
        bool certified = false, clockwise = false, clip = true, invertNext = false;
        for (const TLDrawCommand& c : file.Commands) {
            switch (c.Kind) {
            case TLDrawCommand::Certify:
                certified = true;
                clockwise = c.HasWinding && c.Clockwise;
                break;
            case TLDrawCommand::NoCertify:
                certified = false;
                break;
            case TLDrawCommand::Winding:
                clockwise = c.Clockwise;
                if (c.HasClip)
                    clip = c.ClipOn;
                break;
            case TLDrawCommand::Clip:
                clip = c.ClipOn;
                break;
            case TLDrawCommand::InvertNext:
                invertNext = true;
                break;
            case TLDrawCommand::SubFile:
                SubFile(file, c, placement, colour, inverted != invertNext,
                        cullable && certified && clip, depth);
                invertNext = false;
                break;
            case TLDrawCommand::Edge:
                Mesh.Edges.push_back({placement.Apply(c.Numbers), placement.Apply(c.Numbers + 3)});
                break;
            default:
                Face(c, placement, colour, clockwise != inverted, cullable && certified && clip,
                     file);
                invertNext = false;
                break;
            }
        }
    }

    void SubFile(const TLDrawLibraryFile& parent, const TLDrawCommand& c,
                 const TTransform& placement, const TLDrawColourCode& colour, bool inverted,
                 bool cullable, int depth) {
        TTransform child = placement.Then(c.Numbers);
        TLDrawColourCode childColour = ColourOf(c.Colour, colour);
        std::string name = PlainName(c.File);
        if (IsTopStud(name) && HasStudWidth(child) && child.M[4] > 0) {
            Mesh.TopStuds.push_back({child.T[0], child.T[1], child.T[2]});
            return;
        }
        if (IsTube(name) && HasStudWidth(child)) {
            const double top[3] = {0, -4, 0}, foot[3] = {0, 0, 0};
            TLDrawPoint a = child.Apply(top), b = child.Apply(foot);
            Mesh.Tubes.push_back(a[1] > b[1] ? a : b); // LDraw's y points down
            return;
        }
        // The library's coarser version of a curved primitive, where it has one: a software
        // renderer pays for every polygon of every brick in every frame.
        const TLDrawLibraryFile* file = nullptr;
        if (name.find('/') == std::string::npos)
            file = Library.Load("8/" + name);
        if (!file)
            file = Library.Load(c.File);
        if (!file)
            throw TError("The LDraw library has no file " + c.File + " (used by " + Shown(parent) +
                         ")");
        if (std::find(Chain.begin(), Chain.end(), file->Path) != Chain.end())
            throw TError("The LDraw file " + Shown(*file) + " uses itself in a loop (through " +
                         Shown(parent) + ")");
        if (depth + 1 > MaxLibraryDepth)
            throw TError("The LDraw file " + Shown(*file) + " is nested deeper than " +
                         std::to_string(MaxLibraryDepth) + " levels");
        // Files used many times over can multiply without a loop; this keeps them finite.
        if (++Visits > MaxLibraryVisits)
            throw TError("The LDraw part " + TopName + " uses more than " +
                         std::to_string(MaxLibraryVisits) + " sub-files");
        Chain.push_back(file->Path);
        Visit(*file, child, childColour, inverted, cullable, depth + 1);
        Chain.pop_back();
    }

    void Face(const TLDrawCommand& c, const TTransform& placement, const TLDrawColourCode& colour,
              bool clockwise, bool cullable, const TLDrawLibraryFile& file) {
        if (Mesh.Faces.size() >= MaxLibraryFaces)
            throw TError("The LDraw part " + TopName + " has more than " +
                         std::to_string(MaxLibraryFaces) + " faces (in " + Shown(file) + ")");
        TLDrawFace face;
        size_t count = c.Kind == TLDrawCommand::Triangle ? 3 : 4;
        for (size_t i = 0; i < count; ++i)
            face.Points.push_back(placement.Apply(c.Numbers + 3 * i));
        // A mirroring placement turns the winding over as INVERTNEXT does.
        if (clockwise != (placement.Determinant() < 0))
            std::reverse(face.Points.begin(), face.Points.end());
        face.Colour = ColourOf(c.Colour, colour);
        face.Cullable = cullable;
        Mesh.Faces.push_back(std::move(face));
    }

    static TLDrawColourCode ColourOf(int32_t number, const TLDrawColourCode& inherited) {
        if (number == 16)
            return inherited;
        TLDrawColourCode code;
        code.Number = number;
        if ((number & 0xE000000) == 0x2000000) {
            code.Direct = true;
            code.Transparent = (number & 0x1000000) != 0;
            int32_t rrggbb = number & 0xFFFFFF;
            code.Rgb = (rrggbb >> 16 & 0xFF) | (rrggbb & 0xFF00) | (rrggbb & 0xFF) << 16;
        }
        return code;
    }

    // The name under the library folder, as a message shows it.
    std::string Shown(const TLDrawLibraryFile& file) const {
        const std::string& root = Library.Folder();
        return file.Path.starts_with(root) ? file.Path.substr(root.size()) : file.Path;
    }

    TLDrawLibrary& Library;
    TLDrawMesh Mesh;
    std::vector<std::string> Chain;
    std::string TopName;
    size_t Visits = 0;
};
} // namespace

TLDrawMesh FlattenLDrawPart(TLDrawLibrary& library, const std::string& file,
                            const double matrix[9]) {
    return TFlattener(library).Run(file, matrix);
}
