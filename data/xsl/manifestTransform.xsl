<?xml version="1.0" encoding="UTF-8"?>
<!--
  lomshift: a SCORM 1.2 content-package manifest to a SCORM 2004 4th Edition manifest.

  The output keeps the manifest root with its own namespace declarations: lomshift writes it as it stands.
  The comment right after the root start tag begins with "Generated", like the one of the metadata
  conversion, so that lomshift recognises its output. Inline IMS Meta-Data 1.2 records become IEEE LOM
  records by the rules of lomRecord.xsl; their date values stand in <dateTime> inside <date> as the 1.2
  record holds them, for lomshift to write as LOM dates.

  What the SCORM 1.2 extensions become:
  - adlcp:scormtype          -> adlcp:scormType ("sco" or "asset"; "asset" where the resource had none)
  - adlcp:location           -> adlcp:location
  - adlcp:timelimitaction    -> adlcp:timeLimitAction
  - adlcp:datafromlms        -> adlcp:dataFromLMS
  - adlcp:masteryscore       -> imsss:sequencing/imsss:objectives/imsss:primaryObjective, satisfied by a
                                measure of at least the score / 100 (imsss:minNormalizedMeasure)
  - adlcp:maxtimeallowed     -> imsss:sequencing/imsss:limitConditions/@attemptAbsoluteDurationLimit
  - adlcp:prerequisites      -> left out: SCORM 2004 expresses prerequisites as sequencing rules over shared
                                objectives, which the 1.2 expression does not name.
  Values outside what SCORM 2004 allows (a time limit action of another text, a mastery score that is no
  number from 0 to 100, a time that reads as no duration) are left out as well.

  A document whose root is no content-package manifest gives an output without the "Generated" comment,
  which lomshift reports as not converted.
-->
<xsl:stylesheet version="1.0"
    xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
    xmlns="http://www.imsglobal.org/xsd/imscp_v1p1"
    xmlns:adlcp="http://www.adlnet.org/xsd/adlcp_v1p3"
    xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">

  <xsl:import href="lomRecord.xsl"/>

  <xsl:output method="xml" encoding="UTF-8" indent="yes"/>

  <!-- The LOM records inside a SCORM 2004 manifest are checked against the strict LOM schema, which allows
       no extension elements and no vocabulary but LOMv1.0. -->
  <xsl:variable name="lom.keepForeign" select="false()"/>

  <!-- The namespaces read as the content packaging of SCORM 1.2 ("||" standing for none) and as its
       extensions. A manifest in the namespace of SCORM 2004 is no SCORM 1.2 manifest and is not converted. -->
  <xsl:variable name="cp.ns"
      select="'||http://www.imsproject.org/xsd/imscp_rootv1p1p2|http://www.imsglobal.org/xsd/imscp_rootv1p1p2|'"/>
  <xsl:variable name="adl.ns" select="'|http://www.adlnet.org/xsd/adlcp_rootv1p2|'"/>
  <xsl:variable name="imsss.ns" select="'http://www.imsglobal.org/xsd/imsss'"/>
  <xsl:variable name="schemaLocation"
      select="'http://www.imsglobal.org/xsd/imscp_v1p1 imscp_v1p1.xsd http://www.adlnet.org/xsd/adlcp_v1p3 adlcp_v1p3.xsd'"/>

  <xsl:template match="/">
    <xsl:variable name="root" select="*"/>
    <xsl:if test="contains($cp.ns, concat('|', namespace-uri($root), '|')) and local-name($root) = 'manifest'">
      <!-- The sequencing namespace is declared only where the items need it. -->
      <xsl:variable name="items" select="//*[local-name() = 'item'][contains($cp.ns, concat('|', namespace-uri(), '|'))]"/>
      <xsl:variable name="sequenced">
        <xsl:for-each select="$items">
          <xsl:call-template name="cp.sequencing"><xsl:with-param name="probe" select="true()"/></xsl:call-template>
        </xsl:for-each>
      </xsl:variable>
      <xsl:variable name="lomLocation">
        <xsl:if test="//*[contains($cp.ns, concat('|', namespace-uri(), '|'))][local-name() = 'metadata']/*[contains($md.ns, concat('|', namespace-uri(), '|'))]
                      [translate(local-name(), 'LOM', 'lom') = 'lom' or translate(local-name(), 'RECOD', 'recod') = 'record']">
          <xsl:text> http://ltsc.ieee.org/xsd/LOM lom.xsd</xsl:text>
        </xsl:if>
      </xsl:variable>
      <xsl:choose>
        <xsl:when test="$sequenced != ''">
          <manifest xmlns:adlcp="http://www.adlnet.org/xsd/adlcp_v1p3" xmlns:imsss="http://www.imsglobal.org/xsd/imsss">
            <xsl:apply-templates select="$root" mode="cp.manifest">
              <xsl:with-param name="schemaLocation"
                  select="concat($schemaLocation, ' http://www.imsglobal.org/xsd/imsss imsss_v1p0.xsd', $lomLocation)"/>
            </xsl:apply-templates>
          </manifest>
          <xsl:call-template name="lom.sourceIds"/>
        </xsl:when>
        <xsl:otherwise>
          <manifest xmlns:adlcp="http://www.adlnet.org/xsd/adlcp_v1p3">
            <xsl:apply-templates select="$root" mode="cp.manifest">
              <xsl:with-param name="schemaLocation" select="concat($schemaLocation, $lomLocation)"/>
            </xsl:apply-templates>
          </manifest>
          <xsl:call-template name="lom.sourceIds"/>
        </xsl:otherwise>
      </xsl:choose>
    </xsl:if>
  </xsl:template>

  <!-- The content of the root manifest, into the <manifest> start tag written above. -->
  <xsl:template match="*" mode="cp.manifest">
    <xsl:param name="schemaLocation"/>
    <xsl:call-template name="cp.attributes"><xsl:with-param name="names" select="'|identifier|version|'"/></xsl:call-template>
    <xsl:attribute name="xsi:schemaLocation"><xsl:value-of select="$schemaLocation"/></xsl:attribute>
    <xsl:comment>Generated by lomshift from a SCORM 1.2 content package manifest</xsl:comment>
    <xsl:call-template name="cp.manifestContent"><xsl:with-param name="top" select="true()"/></xsl:call-template>
  </xsl:template>

  <!-- The children of a manifest (the context node), in the order of the content-packaging schema. -->
  <xsl:template name="cp.manifestContent">
    <xsl:param name="top" select="false()"/>
    <xsl:variable name="k" select="*[contains($cp.ns, concat('|', namespace-uri(), '|'))]"/>
    <xsl:variable name="metadata" select="$k[local-name() = 'metadata'][1]"/>
    <xsl:choose>
      <xsl:when test="$metadata">
        <xsl:apply-templates select="$metadata" mode="cp"><xsl:with-param name="top" select="$top"/></xsl:apply-templates>
      </xsl:when>
      <xsl:when test="$top">
        <metadata><schema>ADL SCORM</schema><schemaversion>2004 4th Edition</schemaversion></metadata>
      </xsl:when>
    </xsl:choose>
    <xsl:apply-templates select="$k[local-name() = 'organizations'][1]" mode="cp"/>
    <xsl:if test="not($k[local-name() = 'organizations'])"><organizations/></xsl:if>
    <xsl:apply-templates select="$k[local-name() = 'resources'][1]" mode="cp"/>
    <xsl:if test="not($k[local-name() = 'resources'])"><resources/></xsl:if>
    <xsl:apply-templates select="$k[local-name() = 'manifest']" mode="cp"/>
    <xsl:call-template name="cp.foreign"/>
  </xsl:template>

  <!-- A sub-manifest. -->
  <xsl:template match="*[local-name() = 'manifest']" mode="cp">
    <manifest>
      <xsl:call-template name="cp.attributes"><xsl:with-param name="names" select="'|identifier|version|'"/></xsl:call-template>
      <xsl:call-template name="cp.manifestContent"/>
    </manifest>
  </xsl:template>

  <!-- Metadata: schema and version of SCORM 2004 (always for the package itself), the locations of metadata
       files, and the inline 1.2 records as LOM records. -->
  <xsl:template match="*[local-name() = 'metadata']" mode="cp">
    <xsl:param name="top" select="false()"/>
    <xsl:variable name="k" select="*[contains($cp.ns, concat('|', namespace-uri(), '|'))]"/>
    <metadata>
      <xsl:call-template name="cp.attributes"/>
      <!-- The package's schema and its version are those of SCORM 2004 now. -->
      <xsl:call-template name="lom.from">
        <xsl:with-param name="nodes" select="$k[local-name() = 'schema' or local-name() = 'schemaversion']"/>
      </xsl:call-template>
      <xsl:if test="$top or $k[local-name() = 'schema']"><schema>ADL SCORM</schema></xsl:if>
      <xsl:if test="$top or $k[local-name() = 'schemaversion']"><schemaversion>2004 4th Edition</schemaversion></xsl:if>
      <xsl:for-each select="*[contains($adl.ns, concat('|', namespace-uri(), '|'))][local-name() = 'location']">
        <adlcp:location><xsl:call-template name="lom.from"/><xsl:value-of select="normalize-space(.)"/></adlcp:location>
      </xsl:for-each>
      <xsl:for-each select="*[contains($md.ns, concat('|', namespace-uri(), '|'))][translate(local-name(), 'LOM', 'lom') = 'lom' or translate(local-name(), 'RECOD', 'recod') = 'record']">
        <lom xmlns="http://ltsc.ieee.org/xsd/LOM">
          <xsl:call-template name="lom.categories"><xsl:with-param name="record" select="."/></xsl:call-template>
        </lom>
      </xsl:for-each>
      <xsl:call-template name="cp.foreign"/>
    </metadata>
  </xsl:template>

  <xsl:template match="*[local-name() = 'organizations']" mode="cp">
    <organizations>
      <xsl:call-template name="cp.attributes"><xsl:with-param name="names" select="'|default|'"/></xsl:call-template>
      <xsl:apply-templates select="*[contains($cp.ns, concat('|', namespace-uri(), '|'))][local-name() = 'organization']" mode="cp"/>
      <xsl:call-template name="cp.foreign"/>
    </organizations>
  </xsl:template>

  <xsl:template match="*[local-name() = 'organization']" mode="cp">
    <xsl:variable name="k" select="*[contains($cp.ns, concat('|', namespace-uri(), '|'))]"/>
    <organization>
      <xsl:call-template name="cp.attributes"><xsl:with-param name="names" select="'|identifier|structure|'"/></xsl:call-template>
      <xsl:apply-templates select="$k[local-name() = 'title'][1]" mode="cp"/>
      <xsl:apply-templates select="$k[local-name() = 'item']" mode="cp"/>
      <xsl:apply-templates select="$k[local-name() = 'metadata'][1]" mode="cp"/>
      <xsl:call-template name="cp.foreign"/>
    </organization>
  </xsl:template>

  <!-- An item, with the SCORM 1.2 extensions in their SCORM 2004 places after its metadata. -->
  <xsl:template match="*[local-name() = 'item']" mode="cp">
    <xsl:variable name="k" select="*[contains($cp.ns, concat('|', namespace-uri(), '|'))]"/>
    <xsl:variable name="adl" select="*[contains($adl.ns, concat('|', namespace-uri(), '|'))]"/>
    <xsl:variable name="action"
        select="translate(concat(normalize-space(substring-before(concat($adl[local-name() = 'timelimitaction'][1], ','), ',')), ',',
                                 normalize-space(substring-after($adl[local-name() = 'timelimitaction'][1], ','))), $uc, $lc)"/>
    <item>
      <xsl:call-template name="cp.attributes"><xsl:with-param name="names" select="'|identifier|identifierref|isvisible|parameters|'"/></xsl:call-template>
      <xsl:apply-templates select="$k[local-name() = 'title'][1]" mode="cp"/>
      <xsl:apply-templates select="$k[local-name() = 'item']" mode="cp"/>
      <xsl:apply-templates select="$k[local-name() = 'metadata'][1]" mode="cp"/>
      <xsl:if test="contains('|exit,message|exit,no message|continue,message|continue,no message|', concat('|', $action, '|'))">
        <adlcp:timeLimitAction>
          <xsl:call-template name="lom.from"><xsl:with-param name="nodes" select="$adl[local-name() = 'timelimitaction'][1]"/></xsl:call-template>
          <xsl:value-of select="$action"/>
        </adlcp:timeLimitAction>
      </xsl:if>
      <xsl:for-each select="$adl[local-name() = 'datafromlms'][1]">
        <adlcp:dataFromLMS><xsl:call-template name="lom.from"/><xsl:value-of select="."/></adlcp:dataFromLMS>
      </xsl:for-each>
      <xsl:call-template name="cp.sequencing"/>
      <xsl:call-template name="cp.foreign"/>
    </item>
  </xsl:template>

  <!-- The sequencing of an item (the context node) that its mastery score and maximum time ask for; with
       $probe, only a mark that there is some. -->
  <xsl:template name="cp.sequencing">
    <xsl:param name="probe" select="false()"/>
    <xsl:variable name="adl" select="*[contains($adl.ns, concat('|', namespace-uri(), '|'))]"/>
    <xsl:variable name="score" select="normalize-space($adl[local-name() = 'masteryscore'][1])"/>
    <xsl:variable name="hasScore" select="$score != '' and string(number($score)) != 'NaN' and number($score) &gt;= 0 and number($score) &lt;= 100"/>
    <xsl:variable name="limit">
      <xsl:call-template name="lom.durationValue">
        <xsl:with-param name="text" select="$adl[local-name() = 'maxtimeallowed'][1]"/>
        <xsl:with-param name="short" select="true()"/>
      </xsl:call-template>
    </xsl:variable>
    <xsl:if test="($hasScore or $limit != '') and $probe">yes</xsl:if>
    <xsl:if test="($hasScore or $limit != '') and not($probe)">
      <imsss:sequencing xmlns:imsss="http://www.imsglobal.org/xsd/imsss">
        <xsl:call-template name="lom.from">
          <xsl:with-param name="nodes"
              select="$adl[local-name() = 'masteryscore'][1][$hasScore] | $adl[local-name() = 'maxtimeallowed'][1][$limit != '']"/>
        </xsl:call-template>
        <xsl:if test="$limit != ''">
          <imsss:limitConditions attemptAbsoluteDurationLimit="{$limit}"/>
        </xsl:if>
        <xsl:if test="$hasScore">
          <imsss:objectives>
            <imsss:primaryObjective satisfiedByMeasure="true">
              <imsss:minNormalizedMeasure><xsl:value-of select="format-number(number($score) div 100, '0.0#####')"/></imsss:minNormalizedMeasure>
            </imsss:primaryObjective>
          </imsss:objectives>
        </xsl:if>
      </imsss:sequencing>
    </xsl:if>
  </xsl:template>

  <xsl:template match="*[local-name() = 'title']" mode="cp">
    <title><xsl:call-template name="lom.from"/><xsl:value-of select="normalize-space(.)"/></title>
  </xsl:template>

  <xsl:template match="*[local-name() = 'resources']" mode="cp">
    <resources>
      <xsl:call-template name="cp.attributes"/>
      <xsl:apply-templates select="*[contains($cp.ns, concat('|', namespace-uri(), '|'))][local-name() = 'resource']" mode="cp"/>
      <xsl:call-template name="cp.foreign"/>
    </resources>
  </xsl:template>

  <xsl:template match="*[local-name() = 'resource']" mode="cp">
    <xsl:variable name="k" select="*[contains($cp.ns, concat('|', namespace-uri(), '|'))]"/>
    <xsl:variable name="type"
        select="translate(normalize-space(@*[contains($adl.ns, concat('|', namespace-uri(), '|'))][translate(local-name(), 'SCORMTYPE', 'scormtype') = 'scormtype'][1]), $uc, $lc)"/>
    <resource>
      <xsl:call-template name="cp.attributes"><xsl:with-param name="names" select="'|identifier|type|href|'"/></xsl:call-template>
      <xsl:attribute name="adlcp:scormType">
        <xsl:choose>
          <xsl:when test="$type = 'sco'">sco</xsl:when>
          <xsl:otherwise>asset</xsl:otherwise>
        </xsl:choose>
      </xsl:attribute>
      <xsl:apply-templates select="$k[local-name() = 'metadata'][1]" mode="cp"/>
      <xsl:apply-templates select="$k[local-name() = 'file']" mode="cp"/>
      <xsl:apply-templates select="$k[local-name() = 'dependency']" mode="cp"/>
      <xsl:call-template name="cp.foreign"/>
    </resource>
  </xsl:template>

  <xsl:template match="*[local-name() = 'file']" mode="cp">
    <file>
      <xsl:call-template name="cp.attributes"><xsl:with-param name="names" select="'|href|'"/></xsl:call-template>
      <xsl:apply-templates select="*[contains($cp.ns, concat('|', namespace-uri(), '|'))][local-name() = 'metadata'][1]" mode="cp"/>
      <xsl:call-template name="cp.foreign"/>
    </file>
  </xsl:template>

  <!-- A dependency allows no attribute of another namespace whose schema is unknown. -->
  <xsl:template match="*[local-name() = 'dependency']" mode="cp">
    <dependency>
      <xsl:copy-of select="@identifierref"/>
    </dependency>
  </xsl:template>

  <!-- The attributes of the context element named in $names, its xml:base, and its attributes of other
       namespaces than those of content packaging, the SCORM 1.2 extensions and schema instances. -->
  <xsl:template name="cp.attributes">
    <xsl:param name="names" select="''"/>
    <xsl:for-each select="@*[namespace-uri() = '' and contains($names, concat('|', local-name(), '|'))]">
      <xsl:attribute name="{local-name()}">
        <xsl:choose>
          <xsl:when test="local-name() = 'isvisible'"><xsl:value-of select="translate(normalize-space(.), $uc, $lc)"/></xsl:when>
          <xsl:otherwise><xsl:value-of select="."/></xsl:otherwise>
        </xsl:choose>
      </xsl:attribute>
    </xsl:for-each>
    <xsl:copy-of select="@xml:base"/>
    <xsl:for-each select="@*[namespace-uri() != '' and namespace-uri() != 'http://www.w3.org/XML/1998/namespace'
                             and namespace-uri() != 'http://www.w3.org/2001/XMLSchema-instance'
                             and not(contains($cp.ns, concat('|', namespace-uri(), '|')))
                             and not(contains($adl.ns, concat('|', namespace-uri(), '|')))]">
      <xsl:attribute name="{name()}" namespace="{namespace-uri()}"><xsl:value-of select="."/></xsl:attribute>
    </xsl:for-each>
  </xsl:template>

  <!-- Copies of the context element's children of other namespaces (extensions of the package). -->
  <xsl:template name="cp.foreign">
    <xsl:variable name="foreign"
        select="*[not(contains($cp.ns, concat('|', namespace-uri(), '|'))) and not(contains($adl.ns, concat('|', namespace-uri(), '|')))
                  and not(contains($md.ns, concat('|', namespace-uri(), '|'))) and namespace-uri() != $lom.ns
                  and namespace-uri() != $imsss.ns]"/>
    <xsl:call-template name="lom.from"><xsl:with-param name="nodes" select="$foreign"/></xsl:call-template>
    <xsl:apply-templates mode="lom.foreign" select="$foreign"/>
  </xsl:template>
</xsl:stylesheet>
