#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "cadlink/Point.h"

namespace tavor::cad {

// Identifies an object within its drawing; kept between commands to find the object again.
using Handle = std::u16string;

class Text;
class BlockReference;
class AttributeReference;

// The drawing objects as the commands use them. Every call may fail and then raises CadError
// (the object was erased meanwhile, it is on a locked layer, the CAD refused the call). Objects
// are reference-counted: a command holds them in shared_ptr locals and they are released when
// the command ends.
class Object {
public:
    virtual ~Object() = default;

    virtual Handle GetHandle() = 0;
    // The CAD's object identifier: 32 bits wide in a 32-bit CAD, 64 in a 64-bit one.
    virtual std::int64_t GetObjectID() = 0;
    // Erases the object from the drawing for good.
    virtual void DeleteObject() = 0;

    // The object taken as a more specific kind, as an interface cast does: raises CadError
    // when it is of another kind.
    virtual std::shared_ptr<Text> AsText() = 0;
    virtual std::shared_ptr<BlockReference> AsBlockReference() = 0;
    virtual std::shared_ptr<AttributeReference> AsAttributeReference() = 0;
};

class Entity : public Object {
public:
    virtual std::u16string GetLayer() = 0;
    // A new entity that duplicates this one in the same space, with a handle of its own.
    virtual std::shared_ptr<Entity> CopyEntity() = 0;
    // Redraws the entity with its changes.
    virtual void UpdateEntity() = 0;
};

// A TEXT. Alignment code 0 places it by its insertion point, any other by its alignment point.
class Text : public Entity {
public:
    virtual std::u16string GetTextString() = 0;
    virtual void SetTextString(const std::u16string& text) = 0;
    virtual std::int32_t GetAlignment() = 0;
    virtual void SetAlignment(std::int32_t alignment) = 0;
    virtual Point GetInsertionPoint() = 0;
    virtual void SetInsertionPoint(const Point& point) = 0;
    virtual Point GetTextAlignmentPoint() = 0;
    virtual void SetTextAlignmentPoint(const Point& point) = 0;
};

// An INSERT.
class BlockReference : public Entity {
public:
    virtual bool GetHasAttributes() = 0;
    // Its attribute references, in the block's order, from index 0.
    virtual std::vector<std::shared_ptr<AttributeReference>> GetAttributes() = 0;
    virtual Point GetBlockInsertionPoint() = 0;
    virtual std::u16string GetBlockName() = 0;
};

// An attribute reference of a block reference. The value, insertion point, layer and handle
// that the late-bound calls ("TextString", "InsertionPoint", "Layer", "Handle") read are the
// same as those of GetAttributeText, GetAttributeInsertionPoint, GetLayer and GetHandle.
class AttributeReference : public Entity {
public:
    virtual std::u16string TagString() = 0;
    virtual std::u16string GetAttributeText() = 0;
    virtual void SetAttributeText(const std::u16string& text) = 0;
    virtual Point GetAttributeInsertionPoint() = 0;
    virtual std::int32_t Alignment() = 0;
};

}  // namespace tavor::cad
