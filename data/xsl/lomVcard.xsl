<?xml version="1.0" encoding="UTF-8"?>
<!--
  vCards of the SCORM 1.2 to SCORM 2004 conversion: the text of a 1.2 vcard as the vCard of a LOM entity.
  Included by lomRecord.xsl beside lomValues.xsl, whose variables it uses.
-->
<xsl:stylesheet version="1.0"
    xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
    xmlns="http://ltsc.ieee.org/xsd/LOM">

  <!-- The property names that begin a new property where a vCard runs its lines together. -->
  <xsl:variable name="vcard.names"
      select="'|BEGIN|END|VERSION|FN|N|ORG|EMAIL|TEL|ADR|LABEL|TITLE|ROLE|URL|NOTE|NICKNAME|BDAY|UID|REV|PRODID|SOURCE|NAME|CATEGORIES|GEO|TZ|KEY|MAILER|AGENT|CLASS|SORT-STRING|SOUND|PHOTO|LOGO|'"/>

  <!-- A vCard text with one property a line: "BEGIN:VCARD", a "VERSION:" line when it had one, "FN:" with
       the name, its other properties, "END:VCARD". Lines run together on one line are split before each known
       property name; property names are written in capitals and properties without a value are left out.
       Without a name of its own the vCard takes the one its N, its ORG or a bare text line holds; other text
       lines without a property name are kept as continuation lines. -->
  <xsl:template name="lom.vcard">
    <xsl:param name="text"/>
    <xsl:variable name="lines">
      <xsl:call-template name="lom.vcardLines">
        <xsl:with-param name="rest" select="translate($text, '&#13;&#9;', '&#10; ')"/>
      </xsl:call-template>
    </xsl:variable>
    <xsl:variable name="fn">
      <xsl:call-template name="lom.vcardValue"><xsl:with-param name="lines" select="$lines"/><xsl:with-param name="name" select="'FN'"/></xsl:call-template>
    </xsl:variable>
    <xsl:variable name="n">
      <xsl:call-template name="lom.vcardValue"><xsl:with-param name="lines" select="$lines"/><xsl:with-param name="name" select="'N'"/></xsl:call-template>
    </xsl:variable>
    <xsl:variable name="org">
      <xsl:call-template name="lom.vcardValue"><xsl:with-param name="lines" select="$lines"/><xsl:with-param name="name" select="'ORG'"/></xsl:call-template>
    </xsl:variable>
    <xsl:variable name="bare">
      <xsl:call-template name="lom.vcardValue"><xsl:with-param name="lines" select="$lines"/><xsl:with-param name="name" select="''"/></xsl:call-template>
    </xsl:variable>
    <xsl:variable name="version">
      <xsl:call-template name="lom.vcardValue"><xsl:with-param name="lines" select="$lines"/><xsl:with-param name="name" select="'VERSION'"/></xsl:call-template>
    </xsl:variable>
    <!-- A bare line with a ";" is a structured name written without its "N:". -->
    <xsl:variable name="bareN" select="$fn = '' and $n = '' and $org = '' and contains($bare, ';')"/>
    <xsl:variable name="name">
      <xsl:choose>
        <xsl:when test="$fn != ''"><xsl:value-of select="$fn"/></xsl:when>
        <xsl:when test="$n != ''">
          <xsl:call-template name="lom.vcardNameOfN"><xsl:with-param name="n" select="$n"/></xsl:call-template>
        </xsl:when>
        <xsl:when test="$org != ''"><xsl:value-of select="normalize-space(substring-before(concat($org, ';'), ';'))"/></xsl:when>
        <xsl:when test="$bareN">
          <xsl:call-template name="lom.vcardNameOfN"><xsl:with-param name="n" select="$bare"/></xsl:call-template>
        </xsl:when>
        <xsl:otherwise><xsl:value-of select="$bare"/></xsl:otherwise>
      </xsl:choose>
    </xsl:variable>
    <xsl:value-of select="concat('BEGIN:VCARD', $nl)"/>
    <xsl:if test="$version != ''"><xsl:value-of select="concat('VERSION:', $version, $nl)"/></xsl:if>
    <xsl:value-of select="concat('FN:', $name, $nl)"/>
    <xsl:if test="$bareN"><xsl:value-of select="concat('N:', $bare, $nl)"/></xsl:if>
    <!-- The bare line that gave the name is not written again. -->
    <xsl:variable name="all" select="concat($nl, $lines)"/>
    <xsl:variable name="bareLine" select="concat($nl, ':', $bare, $nl)"/>
    <xsl:call-template name="lom.vcardOthers">
      <xsl:with-param name="lines">
        <xsl:choose>
          <xsl:when test="$fn = '' and $n = '' and $org = '' and $bare != ''">
            <xsl:value-of select="substring(concat(substring-before($all, $bareLine), $nl, substring-after($all, $bareLine)), 2)"/>
          </xsl:when>
          <xsl:otherwise><xsl:value-of select="$lines"/></xsl:otherwise>
        </xsl:choose>
      </xsl:with-param>
    </xsl:call-template>
    <xsl:text>END:VCARD</xsl:text>
  </xsl:template>

  <!-- The properties of a vCard text, one "NAME:value" a line (a bare text line as ":text"), without BEGIN
       and END. A long text is cut in two at a line end near its middle, so that the depth of the calls grows
       with the logarithm of the number of lines only. -->
  <xsl:template name="lom.vcardLines">
    <xsl:param name="rest"/>
    <xsl:variable name="half" select="floor(string-length($rest) div 2)"/>
    <xsl:choose>
      <xsl:when test="string-length($rest) &gt; 200 and contains(substring($rest, $half), $nl)">
        <xsl:variable name="cut" select="$half + string-length(substring-before(substring($rest, $half), $nl))"/>
        <xsl:call-template name="lom.vcardLines"><xsl:with-param name="rest" select="substring($rest, 1, $cut - 1)"/></xsl:call-template>
        <xsl:call-template name="lom.vcardLines"><xsl:with-param name="rest" select="substring($rest, $cut + 1)"/></xsl:call-template>
      </xsl:when>
      <xsl:when test="$rest != ''">
        <xsl:call-template name="lom.vcardSplit">
          <xsl:with-param name="rest" select="normalize-space(substring-before(concat($rest, $nl), $nl))"/>
        </xsl:call-template>
        <xsl:call-template name="lom.vcardLines"><xsl:with-param name="rest" select="substring-after($rest, $nl)"/></xsl:call-template>
      </xsl:when>
    </xsl:choose>
  </xsl:template>

  <!-- The properties of one line: each known property name after a blank begins a new property. -->
  <xsl:template name="lom.vcardSplit">
    <xsl:param name="rest"/>
    <!-- Only a ":" or ";" behind a blank can end a property within the line. -->
    <xsl:variable name="next">
      <xsl:choose>
        <xsl:when test="translate(substring-after($rest, ' '), ':;', '') = substring-after($rest, ' ')">0</xsl:when>
        <xsl:otherwise>
          <xsl:call-template name="lom.vcardNextStart">
            <xsl:with-param name="upper" select="translate($rest, $lc, $uc)"/>
            <xsl:with-param name="names" select="$vcard.names"/>
          </xsl:call-template>
        </xsl:otherwise>
      </xsl:choose>
    </xsl:variable>
    <xsl:choose>
      <xsl:when test="$next = 0">
        <xsl:call-template name="lom.vcardProperty"><xsl:with-param name="text" select="$rest"/></xsl:call-template>
      </xsl:when>
      <xsl:otherwise>
        <xsl:call-template name="lom.vcardProperty"><xsl:with-param name="text" select="substring($rest, 1, $next - 1)"/></xsl:call-template>
        <xsl:call-template name="lom.vcardSplit"><xsl:with-param name="rest" select="substring($rest, $next + 1)"/></xsl:call-template>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- The position of the first blank in $upper that a property name with ":" or ";" follows, 0 for none;
       $names are the names still to look for, $best the nearest position found so far. -->
  <xsl:template name="lom.vcardNextStart">
    <xsl:param name="upper"/>
    <xsl:param name="names"/>
    <xsl:param name="best" select="0"/>
    <xsl:variable name="name" select="substring-before(substring-after($names, '|'), '|')"/>
    <xsl:variable name="colon" select="substring-before($upper, concat(' ', $name, ':'))"/>
    <xsl:variable name="semicolon" select="substring-before($upper, concat(' ', $name, ';'))"/>
    <xsl:variable name="found">
      <xsl:choose>
        <xsl:when test="contains($upper, concat(' ', $name, ':')) and (not(contains($upper, concat(' ', $name, ';')))
                        or string-length($colon) &lt; string-length($semicolon))">
          <xsl:value-of select="string-length($colon) + 1"/>
        </xsl:when>
        <xsl:when test="contains($upper, concat(' ', $name, ';'))"><xsl:value-of select="string-length($semicolon) + 1"/></xsl:when>
        <xsl:otherwise>0</xsl:otherwise>
      </xsl:choose>
    </xsl:variable>
    <xsl:variable name="nearest">
      <xsl:choose>
        <xsl:when test="$found != 0 and ($best = 0 or $found &lt; $best)"><xsl:value-of select="$found"/></xsl:when>
        <xsl:otherwise><xsl:value-of select="$best"/></xsl:otherwise>
      </xsl:choose>
    </xsl:variable>
    <xsl:choose>
      <xsl:when test="$name = ''"><xsl:value-of select="$best"/></xsl:when>
      <xsl:otherwise>
        <xsl:call-template name="lom.vcardNextStart">
          <xsl:with-param name="upper" select="$upper"/>
          <xsl:with-param name="names" select="concat('|', substring-after(substring-after($names, '|'), '|'))"/>
          <xsl:with-param name="best" select="$nearest"/>
        </xsl:call-template>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- "yes" for a token that begins a vCard property: a known property name or an "X-" name, with or
       without parameters, then ":". -->
  <xsl:template name="lom.vcardIsProperty">
    <xsl:param name="token"/>
    <xsl:variable name="name" select="translate(substring-before(concat(substring-before($token, ':'), ';'), ';'), $lc, $uc)"/>
    <xsl:if test="contains($token, ':') and $name != ''
                  and (starts-with($name, 'X-') or contains($vcard.names, concat('|', $name, '|')))">yes</xsl:if>
  </xsl:template>

  <!-- One property line: "NAME:value" with the name in capitals (its parameters as they stand), ":text" for a
       bare text, nothing for BEGIN, END and a property without a value. -->
  <xsl:template name="lom.vcardProperty">
    <xsl:param name="text"/>
    <xsl:variable name="starts">
      <xsl:call-template name="lom.vcardIsProperty"><xsl:with-param name="token" select="substring-before(concat($text, ' '), ' ')"/></xsl:call-template>
    </xsl:variable>
    <xsl:variable name="key" select="substring-before($text, ':')"/>
    <xsl:variable name="name" select="translate(substring-before(concat($key, ';'), ';'), $lc, $uc)"/>
    <xsl:variable name="value" select="normalize-space(substring-after($text, ':'))"/>
    <xsl:choose>
      <xsl:when test="$text = ''"/>
      <xsl:when test="$starts != 'yes'"><xsl:value-of select="concat(':', $text, $nl)"/></xsl:when>
      <xsl:when test="$name = 'BEGIN' or $name = 'END' or $value = ''"/>
      <xsl:when test="contains($key, ';')"><xsl:value-of select="concat($name, ';', substring-after($key, ';'), ':', $value, $nl)"/></xsl:when>
      <xsl:otherwise><xsl:value-of select="concat($name, ':', $value, $nl)"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- The value of the first property line named $name, with or without parameters; $name empty: the
       first bare line. -->
  <xsl:template name="lom.vcardValue">
    <xsl:param name="lines"/>
    <xsl:param name="name"/>
    <xsl:variable name="all" select="concat($nl, $lines)"/>
    <xsl:variable name="plain" select="substring-before($all, concat($nl, $name, ':'))"/>
    <xsl:variable name="withParameters" select="substring-before($all, concat($nl, $name, ';'))"/>
    <xsl:variable name="line">
      <xsl:choose>
        <xsl:when test="contains($all, concat($nl, $name, ':')) and (not(contains($all, concat($nl, $name, ';')))
                        or string-length($plain) &lt; string-length($withParameters))">
          <xsl:value-of select="substring-before(substring-after($all, concat($nl, $name, ':')), $nl)"/>
        </xsl:when>
        <xsl:when test="$name != '' and contains($all, concat($nl, $name, ';'))">
          <xsl:value-of select="substring-after(substring-before(substring-after($all, concat($nl, $name, ';')), $nl), ':')"/>
        </xsl:when>
      </xsl:choose>
    </xsl:variable>
    <xsl:value-of select="$line"/>
  </xsl:template>

  <!-- Every property line but FN and VERSION; a bare line as a continuation line (a blank in front), which
       a vCard reader joins to the line before. A long text is cut in two as in lom.vcardLines. -->
  <xsl:template name="lom.vcardOthers">
    <xsl:param name="lines"/>
    <xsl:variable name="half" select="floor(string-length($lines) div 2)"/>
    <xsl:variable name="line" select="substring-before($lines, $nl)"/>
    <xsl:variable name="name" select="substring-before(concat(substring-before($line, ':'), ';'), ';')"/>
    <xsl:choose>
      <xsl:when test="string-length($lines) &gt; 200 and contains(substring($lines, $half, string-length($lines) - $half), $nl)">
        <xsl:variable name="cut" select="$half + string-length(substring-before(substring($lines, $half), $nl))"/>
        <xsl:call-template name="lom.vcardOthers"><xsl:with-param name="lines" select="substring($lines, 1, $cut)"/></xsl:call-template>
        <xsl:call-template name="lom.vcardOthers"><xsl:with-param name="lines" select="substring($lines, $cut + 1)"/></xsl:call-template>
      </xsl:when>
      <xsl:when test="$lines != ''">
        <xsl:choose>
          <xsl:when test="$name = ''"><xsl:value-of select="concat(' ', substring($line, 2), $nl)"/></xsl:when>
          <xsl:when test="$name != 'FN' and $name != 'VERSION'"><xsl:value-of select="concat($line, $nl)"/></xsl:when>
        </xsl:choose>
        <xsl:call-template name="lom.vcardOthers"><xsl:with-param name="lines" select="substring-after($lines, $nl)"/></xsl:call-template>
      </xsl:when>
    </xsl:choose>
  </xsl:template>

  <!-- The name a structured N value (family;given;additional;prefixes;suffixes) spells, in reading order. -->
  <xsl:template name="lom.vcardNameOfN">
    <xsl:param name="n"/>
    <xsl:variable name="family" select="substring-before(concat($n, ';'), ';')"/>
    <xsl:variable name="r1" select="substring-after($n, ';')"/>
    <xsl:variable name="given" select="substring-before(concat($r1, ';'), ';')"/>
    <xsl:variable name="r2" select="substring-after($r1, ';')"/>
    <xsl:variable name="additional" select="substring-before(concat($r2, ';'), ';')"/>
    <xsl:variable name="r3" select="substring-after($r2, ';')"/>
    <xsl:variable name="prefix" select="substring-before(concat($r3, ';'), ';')"/>
    <xsl:variable name="suffix" select="substring-before(concat(substring-after($r3, ';'), ';'), ';')"/>
    <xsl:value-of select="normalize-space(translate(concat($prefix, ' ', $given, ' ', $additional, ' ', $family, ' ', $suffix), ',', ' '))"/>
  </xsl:template>

</xsl:stylesheet>
